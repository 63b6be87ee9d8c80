#include "settings/EndingTextPanel.h"

#include "editor/EditorContext.h"
#include "rom/GameText.h"
#include "rom/RegionMap.h"
#include "rom/RomImage.h"
#include "settings/EndingTextBox.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"
#include "ui/FieldHooks.h"

#include <QPushButton>
#include <QTextCursor>
#include <string>

EndingTextPanel::EndingTextPanel(EditorContext& context) : context_(context) {
    QWidget* panel = context.panel;
    memo1_ = new EndingTextBox(panel, region::kEndingTextLength);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setGeometry(624, 454, 191, 51);
    memo1_->setPlainText(QStringLiteral("Memo1"));
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab moves on to the next control, as in every other field of the panel.
    memo1_->setTabChangesFocus(true);
    memo1_->setToolTip(QString::fromStdU32String(GameCharacterList()));

    QPushButton* button41 = MakeButton(panel, QStringLiteral("Button41"),
                                       QStringLiteral("Save Ending text"), {624, 508, 190, 25});
    button41->setEnabled(false);

    FieldHooks* hooks = FieldHooks::attach(memo1_, &context.guard);
    hooks->charTyped = [this](QChar typed) { return Memo1KeyPress(typed); };
    connect(button41, &QPushButton::clicked, this, context.guard.wrap([this] { Button41Click(); }));
}

void EndingTextPanel::ShowInstructionText() {
    memo1_->setPlainText(
        tr("Ending text: 32 symbols in line. If End screen number = 0, then game never ends!"));
}

void EndingTextPanel::Clear() {
    memo1_->clear();
}

void EndingTextPanel::AppendCode(std::uint8_t code) {
    QTextCursor end(memo1_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromStdU32String(DecodeGameText({code})));
}

bool EndingTextPanel::Memo1KeyPress(QChar typed) {
    constexpr QChar kEnter(0x0D);
    return typed != kEnter;
}

void EndingTextPanel::Button41Click() {
    const std::u32string text = memo1_->toPlainText().toStdU32String();
    RomImage& image = context_.state.image;
    RomSession session(image);
    image.Seek(region::kEndingText);
    for (std::size_t i = 0; i < static_cast<std::size_t>(region::kEndingTextLength); ++i) {
        // Past the text's end a position holds a space, which the game shows as a blank.
        const std::u32string character = i < text.size() ? text.substr(i, 1) : std::u32string();
        image.WriteByte(EncodeGameText(character, 1).front());
    }
    session.close();
}
