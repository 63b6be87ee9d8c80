#include "ObjectsFixture.h"
#include "rom/EditorError.h"
#include "rom/ScreenRecord.h"

#include <QTest>
#include <filesystem>

namespace {

ScreenRecord Record(std::uint8_t itemId, std::uint8_t itemPos, std::array<std::uint8_t, 4> enemyIds,
                    std::array<std::uint8_t, 4> enemyPos) {
    ScreenRecord record;
    record.itemId = itemId;
    record.itemPos = itemPos;
    record.enemyId = enemyIds;
    record.enemyPos = enemyPos;
    return record;
}

} // namespace

using ObjectsLoad = ObjectsFixture;

TEST_F(ObjectsLoad, FillsSlotsPlacesMarkersAndShowsUnsetPositionsAsZero) {
    load(Record(3, 34, {0, 0, 0, 0}, {34, 34, 34, 34}));
    for (const char* marker : {"selit", "En1", "En2", "En3", "En4"}) {
        ASSERT_EQ(place(marker), QPoint(41, 41)) << marker;
    }

    load(Record(10, 255, {0x1A, 3, 0, 15}, {17, 255, 200, 191}));
    const struct {
        const char* field;
        const char* text;
        const char* marker;
        QPoint place;
    } cases[] = {
        {"Edit3", "0", "selit", {8, 8}},     {"Edit5", "17", "En1", {24, 24}},
        {"Edit6", "0", "En2", {8, 8}},       {"Edit7", "200", "En3", {41, 41}},
        {"Edit8", "191", "En4", {255, 189}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text(c.field), c.text) << c.field;
        EXPECT_EQ(place(c.marker), c.place) << c.marker;
    }
    EXPECT_EQ(text("itemnumber"), "A");
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Item: Teleportation");
    EXPECT_TRUE(shows("items", "items/A.bmp"));
    EXPECT_TRUE(shows("selit", "items/A.bmp"));
    EXPECT_EQ(text("Edit4"), "0") << "loading leaves the picker";
    const char* ids[] = {"1A", "3", "0", "F"};
    const char* pictures[] = {"enemyes/1A.bmp", "enemyes/3.bmp", "enemyes/0.bmp", "enemyes/F.bmp"};
    const char* big[] = {"Enemy1", "Enemy2", "Enemy3", "Enemy4"};
    const char* small[] = {"En1", "En2", "En3", "En4"};
    const char* idFields[] = {"ene1", "ene2", "ene3", "ene4"};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(text(idFields[j]), ids[j]);
        EXPECT_TRUE(shows(big[j], pictures[j])) << big[j];
        EXPECT_TRUE(shows(small[j], pictures[j])) << small[j];
    }

    QTest::mouseMove(field("Edit7"), QPoint(4, 4));
    EXPECT_EQ(text("Edit7"), "191");
    EXPECT_EQ(place("En3"), QPoint(41, 41));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ObjectsLoad, NamesOnlyTableIdsAndAllowsSavingUpToTwenty) {
    const struct {
        std::uint8_t itemId;
        const char* picture;
        const char* label;
        bool allowsSaving;
    } cases[] = {
        {1, "items/1.bmp", "Item: Life sphere", true},
        {12, "items/C.bmp", "Item: Life sphere", true},
        {11, "items/B.bmp", "Boss trap!", true},
        {20, "items/14.bmp", "Boss trap!", true},
        {21, "items/15.bmp", "Boss trap!", false},
        {0, "items/0.bmp", "Item: None", true},
        {255, "items/FF.bmp", "Item: None", false},
    };
    for (const auto& c : cases) {
        load(Record(c.itemId, 0, {}, {}));
        EXPECT_TRUE(shows("items", c.picture)) << c.picture;
        EXPECT_TRUE(shows("selit", c.picture)) << c.picture;
        EXPECT_EQ(find<QLabel>("Label3")->text(), c.label) << c.picture;
        EXPECT_EQ(objects->ItemAllowsSaving(), c.allowsSaving) << c.picture;
    }
}

TEST_F(ObjectsLoad, MissingItemPictureStopsAtTheMarker) {
    std::filesystem::remove(start.file("items/7.bmp"));
    objects->SetLoadedFields(Record(7, 20, {}, {}));
    objects->ApplyUnsetPositionRule();
    objects->PlaceItemMarker();
    try {
        objects->ShowItemPicturesAndName();
        FAIL() << "no error";
    } catch (const EditorError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file items/7.bmp");
    }
    EXPECT_EQ(place("selit"), QPoint(74, 24));
    EXPECT_TRUE(shows("items", "items/0.bmp"));
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Item: None");
}

TEST_F(ObjectsLoad, StoreWritesTheFieldsBackAsBytes) {
    ScreenRecord loaded = Record(0x14, 255, {0x1A, 0xFF, 0, 9}, {0, 191, 254, 255});
    loaded.tiles[0] = 0x33;
    loaded.message[15] = 0x41;
    load(loaded);
    ScreenRecord stored = loaded;
    stored.itemId = 0;
    stored.itemPos = 1;
    objects->StoreInto(stored);
    ScreenRecord expected = loaded;
    expected.itemPos = 0;
    expected.enemyPos[3] = 0;
    EXPECT_EQ(stored, expected);

    field("Edit5")->setText("300");
    field("ene2")->setText("");
    objects->StoreInto(stored);
    EXPECT_EQ(stored.enemyPos[0], 300 & 0xFF);
    EXPECT_EQ(stored.enemyId[1], 0);
    EXPECT_EQ(text("Edit5"), "300") << "saving does not clamp";
}

TEST_F(ObjectsLoad, StoreStopsAtTheFirstPositionWithoutNumber) {
    load(Record(4, 16, {1, 2, 3, 4}, {5, 6, 7, 8}));
    field("Edit6")->setText("");
    field("Edit7")->setText("x");
    ScreenRecord stored;
    try {
        objects->StoreInto(stored);
        FAIL() << "no error";
    } catch (const EditorError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(stored.itemId, 4);
    EXPECT_EQ(stored.itemPos, 16);
    EXPECT_EQ(stored.enemyId, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(stored.enemyPos[0], 5);
    EXPECT_EQ(text("Edit6"), "");
    EXPECT_EQ(text("Edit7"), "x");
}
