#include "ui/ErrorGuard.h"

#include "ScriptedDialogs.h"
#include "rom/EditorError.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(WithFullStop, AddsStopOnlyAfterCharactersSortingAfterIt) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"File not found", "File not found."},
        {"I/O error 5", "I/O error 5."},
        {"path/", "path/."},
        {"Select!", "Select!"},
        {"Done.", "Done."},
        {"trailing ", "trailing "},
        {"value -", "value -"},
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"Файл не найден", "Файл не найден."},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithFullStop(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown)) << c.text;
    }
}

TEST(ErrorGuard, ShowsFailureAfterWhatRanBeforeIt) {
    ScriptedDialogs dialogs;
    QWidget owner;
    ErrorGuard guard(&owner, dialogs);
    int steps = 0;
    EXPECT_FALSE(guard.run([&] {
        ++steps;
        throw EditorError("Cannot open file graph/B0.bmp");
    }));
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot open file graph/B0.bmp."});
}

TEST(ErrorGuard, CatchesEveryStandardException) {
    ScriptedDialogs dialogs;
    ErrorGuard guard(nullptr, dialogs);
    EXPECT_FALSE(guard.run([] { throw std::out_of_range("Disk full"); }));
    EXPECT_TRUE(guard.run([] {}));
    EXPECT_EQ(dialogs.messages, QStringList{"Disk full."});
}

TEST(ErrorGuard, WrappedSlotReportsFromTheEventLoop) {
    ScriptedDialogs dialogs;
    QPushButton button;
    ErrorGuard guard(&button, dialogs);
    QObject::connect(&button, &QPushButton::clicked,
                     guard.wrap([] { throw EditorError("Bitmap image is not valid"); }));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{"Bitmap image is not valid."});
}
