#include "ObjectsFixture.h"
#include "rom/ScreenRecord.h"

#include <filesystem>

using EnemySlotsTest = ObjectsFixture;

TEST_F(EnemySlotsTest, IdButtonsStepWithinZeroToFOfTheirOwnRow) {
    click("Button20", 15);
    EXPECT_EQ(text("ene3"), "F");
    EXPECT_TRUE(shows("Enemy3", "enemyes/F.bmp"));
    EXPECT_TRUE(shows("En3", "enemyes/F.bmp"));
    click("Button20");
    EXPECT_EQ(text("ene3"), "F");
    EXPECT_TRUE(shows("En3", "enemyes/F.bmp"));

    click("Button11");
    EXPECT_EQ(text("ene1"), "0");
    for (const char* id : {"ene1", "ene2", "ene4"}) {
        EXPECT_EQ(text(id), "0") << id;
    }
    for (const char* box : {"Enemy1", "Enemy2", "Enemy4", "En1", "En2", "En4"}) {
        EXPECT_TRUE(shows(box, "enemyes/0.bmp")) << box;
    }
    EXPECT_EQ(place("En3"), QPoint(8, 8));
    EXPECT_EQ(text("Edit7"), "0");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(EnemySlotsTest, LoadedIdAboveFOnlyGoesDown) {
    ScreenRecord record;
    record.enemyId = {0x1A, 0, 0, 0x1A};
    load(record);
    EXPECT_EQ(text("ene4"), "1A");
    EXPECT_TRUE(shows("Enemy4", "enemyes/1A.bmp"));
    EXPECT_TRUE(shows("En4", "enemyes/1A.bmp"));

    click("Button24");
    EXPECT_EQ(text("ene4"), "1A");
    click("Button23");
    EXPECT_EQ(text("ene4"), "19");
    EXPECT_TRUE(shows("Enemy4", "enemyes/19.bmp"));
    EXPECT_TRUE(shows("En4", "enemyes/19.bmp"));
    EXPECT_EQ(text("ene1"), "1A");
}

TEST_F(EnemySlotsTest, MissingPictureKeepsTheSteppedId) {
    std::filesystem::remove(start.file("enemyes/1.bmp"));
    click("Button16");
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot open file enemyes/1.bmp."});
    EXPECT_EQ(text("ene2"), "1");
    EXPECT_TRUE(shows("Enemy2", "enemyes/0.bmp"));
    EXPECT_TRUE(shows("En2", "enemyes/0.bmp"));
}
