#include "editor/MessageField.h"

#include "editor/EditorContext.h"
#include "rom/GameText.h"
#include "ui/Controls.h"

#include <QLineEdit>

MessageField::MessageField(EditorContext& context) {
    MakeLabel(context.panel, QStringLiteral("Label4"), QStringLiteral("Screen message:"), 8, 247);
    edit2_ = MakeTextField(context.panel, QStringLiteral("Edit2"), QString(),
                           QRect(96, 244, 176, 21), ScreenRecord::kMessageLength);
    edit2_->setToolTip(QString::fromStdU32String(GameCharacterList()));
}

void MessageField::ShowCodes(const std::array<std::uint8_t, ScreenRecord::kMessageLength>& codes) {
    edit2_->clear();
    edit2_->setText(QString::fromStdU32String(DecodeGameText({codes.begin(), codes.end()})));
}

std::array<std::uint8_t, ScreenRecord::kMessageLength> MessageField::PadAndEncode() {
    const QString padded =
        edit2_->text().leftJustified(ScreenRecord::kMessageLength, QLatin1Char(' '));
    if (padded != edit2_->text()) {
        edit2_->setText(padded);
    }
    const auto codes = EncodeGameText(padded.toStdU32String(), ScreenRecord::kMessageLength);
    std::array<std::uint8_t, ScreenRecord::kMessageLength> result{};
    std::copy(codes.begin(), codes.end(), result.begin());
    return result;
}
