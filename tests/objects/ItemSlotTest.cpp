#include "ObjectsFixture.h"
#include "rom/ScreenRecord.h"
#include "ui/PictureFile.h"

#include <filesystem>

using ItemSlotTest = ObjectsFixture;

TEST_F(ItemSlotTest, StartsWithItemZero) {
    EXPECT_EQ(text("Edit4"), "0");
    EXPECT_EQ(text("itemnumber"), "0");
    EXPECT_TRUE(shows("items", "items/0.bmp"));
    EXPECT_TRUE(shows("selit", "items/0.bmp"));
    EXPECT_TRUE(shows("Enemy3", "enemyes/0.bmp"));
    EXPECT_TRUE(shows("En4", "enemyes/0.bmp"));
}

TEST_F(ItemSlotTest, IdButtonsPickNamedItemsWithinTheTable) {
    ASSERT_FALSE(LoadBitmapPicture("items/0.bmp") == LoadBitmapPicture("items/3.bmp"));
    click("Button9", 3);
    EXPECT_EQ(text("Edit4"), "3");
    EXPECT_EQ(text("itemnumber"), "3");
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Item: Xecrom's thunder");
    EXPECT_TRUE(shows("items", "items/3.bmp"));
    EXPECT_TRUE(shows("selit", "items/3.bmp"));

    click("Button9", 9);
    EXPECT_EQ(text("Edit4"), "11");
    EXPECT_EQ(text("itemnumber"), "B");
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Boss trap!");
    click("Button9");
    EXPECT_EQ(text("Edit4"), "11");
    EXPECT_EQ(text("itemnumber"), "B");
    EXPECT_TRUE(shows("selit", "items/B.bmp"));

    click("Button8", 2);
    EXPECT_EQ(text("itemnumber"), "9");
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Item: Levitation speed");
    EXPECT_GE(find<QLabel>("Label3")->width(), find<QLabel>("Label3")->sizeHint().width());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The picker does not follow a loaded id: "<<<" at picker 0 brings back item 0.
TEST_F(ItemSlotTest, PickerAtZeroShowsItemZeroOverALoadedItem) {
    ScreenRecord record;
    record.itemId = 5;
    load(record);
    ASSERT_EQ(text("itemnumber"), "5");
    field("Edit3")->setText("40");
    box("CheckBox1")->click();

    click("Button8");
    EXPECT_EQ(text("Edit4"), "0");
    EXPECT_EQ(text("itemnumber"), "0");
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Item: None");
    EXPECT_TRUE(shows("items", "items/0.bmp"));
    EXPECT_TRUE(shows("selit", "items/0.bmp"));
    EXPECT_EQ(text("Edit3"), "40");
    EXPECT_EQ(place("selit"), QPoint(8, 8));
    EXPECT_TRUE(picture("selit")->isHidden());
}

TEST_F(ItemSlotTest, MissingPictureStepsOnlyThePicker) {
    std::filesystem::remove(start.file("items/1.bmp"));
    click("Button9");
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot open file items/1.bmp."});
    EXPECT_EQ(text("Edit4"), "1");
    EXPECT_EQ(text("itemnumber"), "0");
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Item: None");
    EXPECT_TRUE(shows("items", "items/0.bmp"));
    EXPECT_TRUE(shows("selit", "items/0.bmp"));

    click("Button9");
    EXPECT_EQ(text("Edit4"), "2");
    EXPECT_EQ(text("itemnumber"), "2");
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Item: Magic missile +1");
}
