#include "ObjectsFixture.h"
#include "objects/MarkerPlacement.h"
#include "rom/EditorError.h"

#include <QTest>

namespace {

struct PositionEditorNames {
    const char* field;
    const char* down;
    const char* up;
    const char* marker;
};

const PositionEditorNames kEditors[] = {
    {"Edit3", "Button6", "Button7", "selit"}, {"Edit5", "Button13", "Button14", "En1"},
    {"Edit6", "Button17", "Button18", "En2"}, {"Edit7", "Button21", "Button22", "En3"},
    {"Edit8", "Button25", "Button26", "En4"},
};

const QPoint kElsewhere(100, 100);

} // namespace

using PlacementGridTest = ObjectsFixture;

TEST_F(PlacementGridTest, ControlsStandAtTheirDesignPlaces) {
    const struct {
        const char* name;
        QRect geometry;
        const char* text;
    } cases[] = {
        {"CheckBox1", {200, 208, 81, 17}, "Show item"},
        {"CheckBox2", {8, 208, 97, 17}, "Show enemy 1"},
        {"CheckBox3", {104, 208, 97, 17}, "Show enemy 2"},
        {"CheckBox4", {8, 226, 97, 17}, "Show enemy 3"},
        {"CheckBox5", {104, 226, 97, 17}, "Show enemy 4"},
        {"CheckBox6", {200, 226, 81, 17}, "Show All"},
        {"Button8", {8, 328, 57, 25}, "<<<"},
        {"Button9", {104, 328, 59, 25}, ">>>"},
        {"Button6", {168, 328, 25, 25}, "<"},
        {"Button7", {246, 328, 25, 25}, ">"},
        {"Button11", {8, 376, 57, 25}, "<<<"},
        {"Button12", {104, 376, 59, 25}, ">>>"},
        {"Button13", {168, 376, 25, 25}, "<"},
        {"Button14", {246, 376, 25, 25}, ">"},
        {"Button15", {8, 417, 57, 25}, "<<<"},
        {"Button16", {104, 417, 59, 25}, ">>>"},
        {"Button17", {168, 417, 25, 25}, "<"},
        {"Button18", {246, 417, 25, 25}, ">"},
        {"Button19", {8, 457, 57, 25}, "<<<"},
        {"Button20", {104, 457, 59, 25}, ">>>"},
        {"Button21", {168, 457, 25, 25}, "<"},
        {"Button22", {246, 457, 25, 25}, ">"},
        {"Button23", {8, 499, 57, 25}, "<<<"},
        {"Button24", {104, 499, 59, 25}, ">>>"},
        {"Button25", {168, 499, 25, 25}, "<"},
        {"Button26", {246, 499, 25, 25}, ">"},
        {"Edit3", {199, 328, 41, 21}, "0"},
        {"Edit5", {199, 376, 41, 21}, "0"},
        {"Edit6", {199, 418, 41, 21}, "0"},
        {"Edit7", {199, 458, 41, 21}, "0"},
        {"Edit8", {199, 501, 41, 21}, "0"},
        {"items", {69, 325, 32, 32}, nullptr},
        {"Enemy1", {69, 373, 32, 32}, nullptr},
        {"Enemy2", {69, 414, 32, 32}, nullptr},
        {"Enemy3", {69, 455, 32, 32}, nullptr},
        {"Enemy4", {69, 496, 32, 32}, nullptr},
    };
    for (const auto& c : cases) {
        QWidget* control = find<QWidget>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), c.geometry) << c.name;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_EQ(button->text(), c.text) << c.name;
        } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
            EXPECT_EQ(line->text(), c.text) << c.name;
            EXPECT_EQ(line->maxLength(), 3) << c.name;
        }
    }
    for (const char* name :
         {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"}) {
        EXPECT_TRUE(box(name)->isChecked()) << name;
    }
    const struct {
        const char* name;
        QPoint place;
        const char* text;
    } labels[] = {
        {"Label3", {8, 310}, "Item: None"}, {"Label2", {184, 310}, "Item destination"},
        {"Label5", {8, 362}, "Enemy 1:"},   {"Label6", {176, 362}, "Enemy 1 destination"},
        {"Label7", {8, 403}, "Enemy 2:"},   {"Label8", {176, 403}, "Enemy 2 destination"},
        {"Label9", {8, 443}, "Enemy 3:"},   {"Label10", {176, 443}, "Enemy 3 destination"},
        {"Label11", {8, 485}, "Enemy 4:"},  {"Label12", {176, 485}, "Enemy 4 destination"},
    };
    for (const auto& c : labels) {
        const QLabel* label = find<QLabel>(c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), c.place) << c.name;
        EXPECT_EQ(label->text(), c.text) << c.name;
    }
    for (const char* name : {"itemnumber", "ene1", "ene2", "ene3", "ene4", "Edit4"}) {
        EXPECT_TRUE(field(name)->isHidden()) << name;
        EXPECT_EQ(field(name)->focusPolicy(), Qt::NoFocus) << name;
    }
    EXPECT_EQ(text("itemnumber"), "0");
    EXPECT_EQ(text("ene4"), "0");
    for (const char* name : {"selit", "En1", "En2", "En3", "En4"}) {
        EXPECT_EQ(picture(name)->size(), QSize(16, 16)) << name;
        EXPECT_TRUE(picture(name)->isScaled()) << name;
    }
}

TEST(PlacementGridStart, MarkersMoveFromTheirDesignPlacesToTheTopLeftPlace) {
    QWidget panel;
    ScriptedDialogs dialogs;
    ErrorGuard guard(&panel, dialogs);
    EditorState state;
    EditorContext context{&panel, guard, dialogs, state};
    ObjectsPanel objects(context);
    const struct {
        const char* name;
        QPoint design;
    } markers[] = {{"selit", {272, 334}},
                   {"En1", {272, 377}},
                   {"En2", {272, 417}},
                   {"En3", {272, 457}},
                   {"En4", {272, 497}}};
    for (const auto& marker : markers) {
        EXPECT_EQ(panel.findChild<PictureBox*>(marker.name)->pos(), marker.design) << marker.name;
    }
    objects.PlaceMarkersAtStart();
    for (const auto& marker : markers) {
        EXPECT_EQ(panel.findChild<PictureBox*>(marker.name)->pos(), QPoint(8, 8)) << marker.name;
    }
}

TEST_F(PlacementGridTest, PlaceMarkerMovesOnlyToPlaces) {
    const struct {
        const char* text;
        std::optional<QPoint> place;
    } cases[] = {
        {"0", QPoint(8, 8)},       {"15", QPoint(255, 8)}, {"16", QPoint(8, 24)},
        {"17", QPoint(24, 24)},    {"34", QPoint(41, 41)}, {"190", QPoint(239, 189)},
        {"191", QPoint(255, 189)}, {"192", std::nullopt},  {"254", std::nullopt},
        {"255", std::nullopt},     {"-1", std::nullopt},
    };
    QWidget marker(&panel);
    QLineEdit position;
    for (const auto& c : cases) {
        marker.move(kElsewhere);
        position.setText(c.text);
        PlaceMarker(&marker, &position);
        EXPECT_EQ(marker.pos(), c.place.value_or(kElsewhere)) << c.text;
    }
    position.setText("");
    EXPECT_THROW(PlaceMarker(&marker, &position), EditorError);
}

// Every slot's own buttons step its own field and marker, never past a bound.
TEST_F(PlacementGridTest, StepButtonsMoveTheirOwnMarker) {
    const struct {
        const char* before;
        bool up;
        const char* after;
        std::optional<QPoint> place; // nullopt: the marker stays where it stood
    } cases[] = {
        {"0", true, "1", QPoint(24, 8)},    {"0", false, "0", std::nullopt},
        {"191", true, "191", std::nullopt}, {"191", false, "190", QPoint(239, 189)},
        {"250", true, "191", std::nullopt}, {"250", false, "190", QPoint(239, 189)},
        {"05", true, "6", QPoint(107, 8)},  {"15", true, "16", QPoint(8, 24)},
        {"33", true, "34", QPoint(41, 41)}, {"17", false, "16", QPoint(8, 24)},
    };
    for (const PositionEditorNames& editor : kEditors) {
        for (const auto& c : cases) {
            field(editor.field)->setText(c.before);
            picture(editor.marker)->move(kElsewhere);
            click(c.up ? editor.up : editor.down);
            EXPECT_EQ(text(editor.field), c.after) << editor.field << " " << c.before;
            EXPECT_EQ(place(editor.marker), c.place.value_or(kElsewhere))
                << editor.marker << " " << c.before;
        }
        field(editor.field)->setText("0");
        picture(editor.marker)->move(8, 8);
        for (const PositionEditorNames& other : kEditors) {
            EXPECT_EQ(text(other.field), "0") << other.field;
            EXPECT_EQ(place(other.marker), QPoint(8, 8)) << other.marker;
        }
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlacementGridTest, FieldTakesDigitsOnlyAndClampsBeforeKeysAndOnMouseMoves) {
    QLineEdit* position = field("Edit6");
    position->setFocus();
    position->setText("1");
    QTest::keyClick(position, Qt::Key_End);
    QTest::keyClicks(position, "x2-");
    QTest::keyClick(position, Qt::Key_Backspace);
    EXPECT_EQ(position->text(), "12");
    position->setText("250");
    QTest::keyClick(position, Qt::Key_Backspace);
    EXPECT_EQ(position->text(), "191") << "the key down clamps, the Backspace is dropped";

    position->setText("999");
    QTest::mouseMove(position, QPoint(5, 5));
    EXPECT_EQ(position->text(), "191");
    EXPECT_EQ(place("En2"), QPoint(8, 8));

    QTest::keyClick(position, Qt::Key_Home);
    QTest::keyClick(position, Qt::Key_Delete);
    EXPECT_EQ(position->text(), "91");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlacementGridTest, FieldWithoutNumberFailsEachClampAndChangesNothing) {
    QLineEdit* position = field("Edit3");
    position->setFocus();
    QTest::keyClick(position, Qt::Key_Home);
    QTest::keyClick(position, Qt::Key_Delete);
    ASSERT_EQ(position->text(), "");
    picture("selit")->move(kElsewhere);

    QTest::mouseMove(position, QPoint(6, 6));
    click("Button7");
    click("Button6");
    EXPECT_EQ(position->text(), "");
    EXPECT_EQ(place("selit"), kElsewhere);
    const QString error = "'' is not a valid integer value.";
    EXPECT_EQ(dialogs.messages, QStringList({error, error, error}));

    QTest::keyClick(position, Qt::Key_7);
    EXPECT_EQ(dialogs.messages.size(), 4) << "the key down fails again";
    EXPECT_EQ(position->text(), "7") << "the typed digit still reaches the field";
}

TEST_F(PlacementGridTest, ShowBoxesHideTheirMarkersAndShowAllDrivesAll) {
    const char* boxes[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"};
    const char* markers[] = {"selit", "En1", "En2", "En3", "En4"};
    auto expectAll = [&](bool shown, const char* step) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(picture(markers[i])->isVisible(), shown) << markers[i] << " " << step;
            EXPECT_EQ(box(boxes[i])->isChecked(), shown) << boxes[i] << " " << step;
        }
    };

    box("CheckBox3")->click();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(picture(markers[i])->isVisible(), i != 2) << markers[i];
    }
    EXPECT_TRUE(box("CheckBox6")->isChecked());

    click("Button18");
    click("Button16");
    EXPECT_FALSE(picture("En2")->isVisible()) << "steps and id changes keep it hidden";

    box("CheckBox6")->click();
    expectAll(false, "Show All unticked");
    box("CheckBox6")->click();
    expectAll(true, "Show All ticked");
}
