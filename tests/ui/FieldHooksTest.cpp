#include "ui/FieldHooks.h"

#include "ScriptedDialogs.h"
#include "rom/EditorError.h"
#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <optional>

namespace {

bool digitsOnly(QChar c) {
    return c.isDigit();
}

// Sends one key press and release with the text as given, which may be empty.
void press(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers, const char* text) {
    if (text == nullptr) {
        QTest::keyClick(field, key, modifiers);
    } else {
        QTest::sendKeyEvent(QTest::Click, field, key, QString::fromLatin1(text), modifiers);
    }
}

} // namespace

TEST(FieldHooks, CharTypedSeesTypedCharactersOnly) {
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text; // nullptr: as QTest makes it
        std::optional<char16_t> seen;
    } cases[] = {
        {"letter", Qt::Key_A, Qt::NoModifier, nullptr, u'a'},
        {"digit", Qt::Key_5, Qt::NoModifier, nullptr, u'5'},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier, nullptr, 0x08},
        {"backspace, empty text", Qt::Key_Backspace, Qt::NoModifier, "", 0x08},
        {"return, empty text", Qt::Key_Return, Qt::NoModifier, "", 0x0D},
        {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, nullptr, 0x0D},
        {"ctrl+v", Qt::Key_V, Qt::ControlModifier, nullptr, 0x16},
        {"ctrl+v as X11 gives it", Qt::Key_V, Qt::ControlModifier, "\x16", 0x16},
        {"delete as X11 gives it", Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
        {"delete", Qt::Key_Delete, Qt::NoModifier, nullptr, std::nullopt},
        {"left", Qt::Key_Left, Qt::NoModifier, nullptr, std::nullopt},
        {"home", Qt::Key_Home, Qt::NoModifier, nullptr, std::nullopt},
        {"F1", Qt::Key_F1, Qt::NoModifier, nullptr, std::nullopt},
        {"shift", Qt::Key_Shift, Qt::NoModifier, nullptr, std::nullopt},
        {"tab", Qt::Key_Tab, Qt::NoModifier, nullptr, std::nullopt},
        {"backtab", Qt::Key_Backtab, Qt::ShiftModifier, nullptr, std::nullopt},
    };
    for (const auto& c : cases) {
        QLineEdit field;
        QString seen;
        FieldHooks::attach(&field)->charTyped = [&](QChar typed) {
            seen += typed;
            return true;
        };
        press(&field, c.key, c.modifiers, c.text);
        EXPECT_EQ(seen, c.seen ? QString(QChar(*c.seen)) : QString()) << c.name;
    }
}

TEST(FieldHooks, DiscardedCharacterHasNoEffect) {
    QLineEdit field("12");
    FieldHooks::attach(&field)->charTyped = digitsOnly;
    QTest::keyClicks(&field, "3x4");
    EXPECT_EQ(field.text(), "1234");
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "1234");
    // Keys that type nothing still act.
    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "234");
}

TEST(FieldHooks, DigitFilterBlocksKeyboardPaste) {
    QApplication::clipboard()->setText("99");
    QLineEdit filtered("1");
    FieldHooks::attach(&filtered)->charTyped = digitsOnly;
    QTest::keyClick(&filtered, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(filtered.text(), "1");

    QLineEdit open("1");
    FieldHooks::attach(&open)->charTyped = [](QChar) { return true; };
    QTest::keyClick(&open, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(open.text(), "199");
}

TEST(FieldHooks, KeyDownSeesTextBeforeTheKeyAndRunsFirst) {
    QLineEdit field("12");
    QStringList events;
    FieldHooks* hooks = FieldHooks::attach(&field);
    hooks->keyDown = [&] { events << "down " + field.text(); };
    hooks->charTyped = [&](QChar c) {
        events << QStringLiteral("char ") + c;
        return true;
    };
    QTest::keyClick(&field, Qt::Key_7);
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(events, QStringList({"down 12", "char 7", "down 127", "down 127"}));
    EXPECT_EQ(field.text(), "12");
}

// A field may hold text that its key-down conversion rejects: the error is shown, the key loses
// its own action, and the character it types still arrives.
TEST(FieldHooks, FailedKeyDownShowsErrorAndStillTypesTheCharacter) {
    ScriptedDialogs dialogs;
    QLineEdit field;
    ErrorGuard guard(&field, dialogs);
    FieldHooks* hooks = FieldHooks::attach(&field, &guard);
    int typed = 0;
    hooks->keyDown = [&] {
        if (field.text().isEmpty()) {
            throw EditorError("'' is not a valid integer value");
        }
    };
    hooks->charTyped = [&](QChar c) {
        ++typed;
        return c.isDigit();
    };
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_5);
    EXPECT_EQ(field.text(), "5");
    EXPECT_EQ(typed, 2);
    EXPECT_EQ(dialogs.messages, QStringList({"'' is not a valid integer value.",
                                             "'' is not a valid integer value."}));
    field.clear();
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(dialogs.messages.size(), 3);

    field.setText("x");
    hooks->keyDown = nullptr;
    hooks->charTyped = [](QChar c) -> bool {
        throw EditorError(("bad " + QString(c)).toStdString());
    };
    QTest::keyClick(&field, Qt::Key_6);
    EXPECT_EQ(field.text(), "x");
    EXPECT_EQ(dialogs.messages.last(), "bad 6.");
}

TEST(FieldHooks, MultiLineFieldSeesEnterAndCanDropIt) {
    QPlainTextEdit memo;
    QString seen;
    int keysDown = 0;
    FieldHooks* hooks = FieldHooks::attach(&memo);
    hooks->keyDown = [&] { ++keysDown; };
    hooks->charTyped = [&](QChar c) {
        seen += c;
        return c != u'\r';
    };
    QTest::keyClicks(&memo, "ab");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClick(&memo, Qt::Key_Backspace);
    EXPECT_EQ(seen, QString("ab\r\b"));
    EXPECT_EQ(memo.toPlainText(), "a");
    EXPECT_EQ(keysDown, 4);
}

TEST(FieldHooks, MouseMoveOverFieldCountsOnceWithOrWithoutFocus) {
    QWidget window;
    auto* focused = new QLineEdit(&window);
    auto* line = new QLineEdit(&window);
    auto* memo = new QPlainTextEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(focused);
    layout->addWidget(line);
    layout->addWidget(memo);
    int lineMoves = 0;
    int memoMoves = 0;
    FieldHooks::attach(line)->mouseMove = [&] { ++lineMoves; };
    FieldHooks::attach(memo)->mouseMove = [&] { ++memoMoves; };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    focused->setFocus();

    QTest::mouseMove(line, QPoint(5, 5));
    QTest::mouseMove(line, QPoint(9, 6));
    EXPECT_EQ(lineMoves, 2);
    const QPoint insideText = memo->viewport()->geometry().center();
    QTest::mouseMove(memo, insideText);
    EXPECT_EQ(memoMoves, 1);
    EXPECT_EQ(lineMoves, 2);
}
