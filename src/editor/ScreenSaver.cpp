#include "editor/ScreenSaver.h"

#include "editor/EditorContext.h"
#include "editor/MessageField.h"
#include "editor/TilePanel.h"
#include "objects/ObjectsPanel.h"
#include "palettes/PalettePanel.h"
#include "rom/EditorError.h"
#include "rom/HexText.h"
#include "rom/RegionMap.h"
#include "rom/ScreenRecord.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"

#include <QPushButton>

ScreenSaver::ScreenSaver(EditorContext& context, ScreenPanels panels)
    : context_(context), panels_(panels) {
    button5_ = MakeButton(context.panel, QStringLiteral("Button5"), QStringLiteral("Save screen"),
                          QRect(357, 544, 73, 25));
    button5_->setToolTip(QStringLiteral("Save the current screen to a ROM"));
    button5_->setEnabled(false);
    connect(button5_, &QPushButton::clicked, this, context.guard.wrap([this] { Button5Click(); }));
}

void ScreenSaver::Button5Click() {
    // Until a load has computed the record offset there is no record to write;
    // offset 0 would be the image's header.
    if (context_.state.currentRecordOffset < region::ScreenRecordOffset(1)) {
        throw EditorError(tr("No screen has been loaded from this image yet").toStdString());
    }
    ScreenRecord record;
    for (int cell = 1; cell <= ScreenRecord::kTileCount; ++cell) {
        record.tiles[static_cast<std::size_t>(cell - 1)] = static_cast<std::uint8_t>(
            HexTextToInt(panels_.tiles.tileText(cell).toStdString()) & 0xFF);
    }
    panels_.objects.StoreInto(record);
    panels_.palettes.StoreInto(record);

    RomImage& image = context_.state.image;
    RomSession session(image);
    record.message = panels_.message.PadAndEncode();
    WriteScreenRecord(image, context_.state.currentRecordOffset, record);
    session.close();
}
