#include "palettes/PalettePanel.h"

#include "ScriptedDialogs.h"
#include "editor/EditorContext.h"
#include "rom/EditorError.h"
#include "rom/ScreenRecord.h"
#include "ui/ErrorGuard.h"
#include "ui/SpinButton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

// The palette row on a window-sized panel, shown so that mouse moves reach its fields.
struct PaletteRow {
    QWidget window;
    ScriptedDialogs dialogs;
    ErrorGuard guard{&window, dialogs};
    EditorState editorState;
    EditorContext context{&window, guard, dialogs, editorState};
    PalettePanel panel{context};

    PaletteRow() {
        window.resize(825, 580);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class T> T* find(const QString& name) const {
        T* control = window.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QLineEdit* field(const QString& name) const { return find<QLineEdit>(name); }
    QLineEdit* pal1() const { return field(QStringLiteral("pal1")); }
    QLineEdit* pal2() const { return field(QStringLiteral("pal2")); }
    QString label() const { return find<QLabel>(QStringLiteral("Label15"))->text(); }
    SpinButton* spin() const { return find<SpinButton>(QStringLiteral("SpinButton1")); }
    void click(const QString& button) const {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    void spinDown() const { QTest::mouseClick(spin()->downButton(), Qt::LeftButton); }
    void spinUp() const { QTest::mouseClick(spin()->upButton(), Qt::LeftButton); }
    // pal1, pal2, Label15 and the preset index in one line.
    std::string shown() const {
        return (pal1()->text() + "/" + pal2()->text() + " " + label() + " ").toStdString() +
               std::to_string(panel.presetIndex());
    }
};

struct Trigger {
    const char* name;
    std::function<void(PaletteRow&, QLineEdit*)> fire;
};

// Two of the three events that clamp a field; its arrow buttons are the third.
const Trigger kKeyDown{"key down",
                       [](PaletteRow&, QLineEdit* f) { QTest::keyClick(f, Qt::Key_End); }};
// Qt drops a move to where the pointer already is, so it comes in from elsewhere.
const Trigger kMouseMove{"mouse move", [](PaletteRow& r, QLineEdit* f) {
                             QTest::mouseMove(&r.window, QPoint(400, 100));
                             QTest::mouseMove(f, QPoint(5, 5));
                         }};

} // namespace

TEST(PalettePanel, ControlsAtTheirPlacesWithDesignTexts) {
    PaletteRow row;
    const struct {
        const char* name;
        QRect geometry;
        const char* text;
    } buttons[] = {
        {"Button31", {62, 282, 25, 25}, "<"},
        {"Button32", {138, 282, 25, 25}, ">"},
        {"Button29", {168, 282, 25, 25}, "<"},
        {"Button30", {246, 282, 25, 25}, ">"},
    };
    for (const auto& b : buttons) {
        auto* button = row.find<QPushButton>(b.name);
        EXPECT_EQ(button->geometry(), b.geometry) << b.name;
        EXPECT_EQ(button->text(), b.text) << b.name;
        EXPECT_TRUE(button->isEnabled()) << b.name;
    }
    const struct {
        const char* name;
        QPoint place;
        const char* text;
    } labels[] = {
        {"Label15", {8, 267}, "Manual"},
        {"Label14", {92, 267}, "Palette 1"},
        {"Label13", {198, 267}, "Palette 2"},
    };
    for (const auto& l : labels) {
        auto* label = row.find<QLabel>(l.name);
        EXPECT_EQ(label->pos(), l.place) << l.name;
        EXPECT_EQ(label->text(), l.text) << l.name;
    }
    EXPECT_EQ(row.pal1()->geometry(), QRect(92, 282, 41, 21));
    EXPECT_EQ(row.pal2()->geometry(), QRect(199, 282, 41, 21));
    for (QLineEdit* field : {row.pal1(), row.pal2()}) {
        EXPECT_EQ(field->text(), "0");
        EXPECT_EQ(field->maxLength(), 3);
    }
    EXPECT_EQ(row.spin()->geometry(), QRect(8, 282, 49, 25));
    EXPECT_EQ(row.panel.presetIndex(), 0);
}

TEST(PalettePanel, EitherArrowFromNothingChosenAppliesCave) {
    for (const bool down : {true, false}) {
        PaletteRow row;
        row.panel.ResetPresetIndex();
        down ? row.spinDown() : row.spinUp();
        EXPECT_EQ(row.shown(), "252/157 Cave 1") << (down ? "down" : "up");
    }
}

TEST(PalettePanel, SpinArrowsWalkThePresetsAndStayAtTheEnds) {
    PaletteRow row;
    row.spinDown();
    const char* downs[] = {"40/158 Forest 1 2", "84/158 Forest 2 3", "18/158 Castle 4",
                           "18/158 Castle 4"};
    for (const char* expected : downs) {
        row.spinDown();
        EXPECT_EQ(row.shown(), expected);
    }
    const char* ups[] = {"84/158 Forest 2 3", "40/158 Forest 1 2", "252/157 Cave 1",
                         "252/157 Cave 1"};
    for (const char* expected : ups) {
        row.spinUp();
        EXPECT_EQ(row.shown(), expected);
    }
    // The keys of a focused spin button are the same clicks.
    row.spin()->setFocus();
    QTest::keyClick(row.spin(), Qt::Key_Down);
    EXPECT_EQ(row.shown(), "40/158 Forest 1 2");
    EXPECT_TRUE(row.dialogs.messages.isEmpty());
}

TEST(PalettePanel, ApplyingAPresetOverwritesHandEdits) {
    PaletteRow row;
    row.pal1()->setText("7");
    row.pal2()->setText("");
    row.panel.ApplyPreset(4);
    EXPECT_EQ(row.shown(), "18/158 Castle 0");
}

TEST(PalettePanel, LoadNamesAMatchingPairAndKeepsTheIndexOtherwise) {
    PaletteRow row;
    row.panel.SetLoadedBytes(40, 158);
    row.panel.NamePreset();
    EXPECT_EQ(row.shown(), "40/158 Forest 1 2");
    row.panel.SetLoadedBytes(40, 157);
    row.panel.NamePreset();
    EXPECT_EQ(row.shown(), "40/157 Manual 2");
    row.spinDown();
    EXPECT_EQ(row.shown(), "84/158 Forest 2 3");
    row.panel.SetLoadedBytes(0, 255);
    row.panel.NamePreset();
    EXPECT_EQ(row.shown(), "0/255 Manual 3");
}

TEST(PalettePanel, TypedNumberAboveTheRangeWaitsForTheNextClamp) {
    PaletteRow row;
    row.pal1()->setFocus();
    row.pal1()->selectAll();
    QTest::keyClicks(row.pal1(), "999");
    EXPECT_EQ(row.pal1()->text(), "999");

    const struct {
        const char* field;
        const char* lower;
        const char* upper;
    } rows[] = {{"pal1", "Button31", "Button32"}, {"pal2", "Button29", "Button30"}};
    const struct {
        Trigger trigger;
        const char* expected;
    } cases[] = {
        {kKeyDown, "255"},
        {kMouseMove, "255"},
        {{"<", [&](PaletteRow& r,
                   QLineEdit* f) { r.click(f == r.pal1() ? rows[0].lower : rows[1].lower); }},
         "254"},
        {{">", [&](PaletteRow& r,
                   QLineEdit* f) { r.click(f == r.pal1() ? rows[0].upper : rows[1].upper); }},
         "255"},
    };
    for (const auto& fieldRow : rows) {
        QLineEdit* field = row.field(fieldRow.field);
        for (const auto& c : cases) {
            field->setText("999");
            c.trigger.fire(row, field);
            EXPECT_EQ(field->text(), c.expected) << fieldRow.field << " " << c.trigger.name;
        }
    }
    EXPECT_TRUE(row.dialogs.messages.isEmpty());
}

TEST(PalettePanel, ArrowsStepWithinTheRangeAndNeverWrap) {
    const struct {
        const char* field;
        const char* button;
        const char* before;
        const char* after;
    } cases[] = {
        {"pal1", "Button32", "255", "255"}, {"pal1", "Button31", "0", "0"},
        {"pal1", "Button32", "007", "8"},   {"pal1", "Button31", "007", "6"},
        {"pal1", "Button31", "-5", "0"},    {"pal1", "Button32", "-5", "1"},
        {"pal2", "Button30", "255", "255"}, {"pal2", "Button29", "0", "0"},
        {"pal2", "Button30", "007", "8"},   {"pal2", "Button29", "1", "0"},
    };
    PaletteRow row;
    for (const auto& c : cases) {
        QLineEdit* field = row.field(c.field);
        QLineEdit* other = field == row.pal1() ? row.pal2() : row.pal1();
        field->setText(c.before);
        other->setText("42");
        row.click(c.button);
        EXPECT_EQ(field->text(), c.after) << c.button << " on " << c.before;
        EXPECT_EQ(other->text(), "42") << c.button;
    }
    EXPECT_TRUE(row.dialogs.messages.isEmpty());
}

TEST(PalettePanel, ClampLeavesTextsInTheRangeAsTyped) {
    PaletteRow row;
    const struct {
        const char* before;
        const char* after;
    } cases[] = {{"007", "007"}, {"0", "0"}, {"255", "255"}, {"256", "255"}, {"-1", "0"}};
    for (const Trigger& trigger : {kKeyDown, kMouseMove}) {
        for (const auto& c : cases) {
            row.pal2()->setText(c.before);
            trigger.fire(row, row.pal2());
            EXPECT_EQ(row.pal2()->text(), c.after) << trigger.name << " on " << c.before;
        }
    }
}

TEST(PalettePanel, OnlyDigitsAreTypedBackspaceIncluded) {
    PaletteRow row;
    for (QLineEdit* field : {row.pal1(), row.pal2()}) {
        field->setFocus();
        field->setText("12");
        field->end(false);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, "a-+ ");
        EXPECT_EQ(field->text(), "12");
        QTest::keyClick(field, '3');
        EXPECT_EQ(field->text(), "123");
        // Delete types no character, so it still acts.
        field->home(false);
        QTest::keyClick(field, Qt::Key_Delete);
        EXPECT_EQ(field->text(), "23");
    }
}

TEST(PalettePanel, HandEditsAndStepsKeepThePresetName) {
    PaletteRow row;
    row.spinDown();
    row.pal1()->setFocus();
    row.pal1()->selectAll();
    QTest::keyClicks(row.pal1(), "999");
    EXPECT_EQ(row.shown(), "999/157 Cave 1");
    kMouseMove.fire(row, row.pal1());
    row.click("Button29");
    EXPECT_EQ(row.shown(), "255/156 Cave 1");
}

TEST(PalettePanel, FieldThatIsNoNumberStopsTheClampAndKeepsItsText) {
    const struct {
        const char* field;
        Trigger trigger;
    } cases[] = {
        {"pal1", kKeyDown},
        {"pal1", kMouseMove},
        {"pal1", {"Button31", [](PaletteRow& r, QLineEdit*) { r.click("Button31"); }}},
        {"pal1", {"Button32", [](PaletteRow& r, QLineEdit*) { r.click("Button32"); }}},
        {"pal2", kKeyDown},
        {"pal2", kMouseMove},
        {"pal2", {"Button29", [](PaletteRow& r, QLineEdit*) { r.click("Button29"); }}},
        {"pal2", {"Button30", [](PaletteRow& r, QLineEdit*) { r.click("Button30"); }}},
    };
    for (const auto& c : cases) {
        PaletteRow row;
        QLineEdit* field = row.field(c.field);
        field->setText("");
        c.trigger.fire(row, field);
        EXPECT_EQ(field->text(), "") << c.field << " " << c.trigger.name;
        EXPECT_EQ(row.dialogs.messages, QStringList{"'' is not a valid integer value."})
            << c.field << " " << c.trigger.name;
    }
}

TEST(PalettePanel, StoreIntoWritesTheLowBytesAndFailsOnText) {
    PaletteRow row;
    const struct {
        const char* pal1;
        const char* pal2;
        int palette1;
        int palette2;
    } cases[] = {{"252", "157", 252, 157}, {"007", "0", 7, 0}, {"999", "256", 0xE7, 0}};
    for (const auto& c : cases) {
        row.pal1()->setText(c.pal1);
        row.pal2()->setText(c.pal2);
        ScreenRecord record;
        record.itemId = 9;
        row.panel.StoreInto(record);
        EXPECT_EQ(record.palette1, c.palette1) << c.pal1;
        EXPECT_EQ(record.palette2, c.palette2) << c.pal2;
        EXPECT_EQ(record.itemId, 9);
        EXPECT_EQ(row.pal1()->text(), c.pal1);
    }
    row.pal1()->setText("12");
    row.pal2()->setText("x");
    ScreenRecord record;
    try {
        row.panel.StoreInto(record);
        ADD_FAILURE() << "no error";
    } catch (const EditorError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
    EXPECT_EQ(row.shown(), "12/x Manual 0");
}

namespace {

// Stands in for the Russian translation the window installs.
class RussianNames : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const std::map<QString, QString> names = {
            {"Cave", "Пещера"},  {"Forest 1", "Лес 1"},      {"Forest 2", "Лес 2"},
            {"Castle", "Замок"}, {"Manual", "Произвольная"},
        };
        const auto found = names.find(QString::fromUtf8(source));
        if (QByteArray(context) != "PalettePanel" || found == names.end()) {
            return {};
        }
        return found->second;
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(PalettePanel, PresetNamesFollowTheInstalledLanguage) {
    RussianNames russian;
    QApplication::installTranslator(&russian);
    PaletteRow row;
    const struct {
        std::function<void(PaletteRow&)> act;
        const char* label;
    } cases[] = {
        {[](PaletteRow& r) { r.spinDown(); }, "Пещера"},
        {[](PaletteRow& r) { r.spinDown(); }, "Лес 1"},
        {[](PaletteRow& r) { r.spinDown(); }, "Лес 2"},
        {[](PaletteRow& r) { r.spinDown(); }, "Замок"},
        {[](PaletteRow& r) {
             r.panel.SetLoadedBytes(1, 2);
             r.panel.NamePreset();
         },
         "Произвольная"},
        {[](PaletteRow& r) {
             r.panel.SetLoadedBytes(252, 157);
             r.panel.NamePreset();
         },
         "Пещера"},
    };
    for (const auto& c : cases) {
        c.act(row);
        EXPECT_EQ(row.label(), QString::fromUtf8(c.label));
        EXPECT_GE(row.find<QLabel>("Label15")->width(),
                  row.find<QLabel>("Label15")->sizeHint().width());
    }
    QApplication::removeTranslator(&russian);
}
