#include "editor/ScreenLoader.h"

#include "editor/EditorContext.h"
#include "editor/MessageField.h"
#include "editor/ScreenNavigation.h"
#include "editor/TilePanel.h"
#include "objects/ObjectsPanel.h"
#include "palettes/PalettePanel.h"
#include "rom/RegionMap.h"
#include "rom/ScreenRecord.h"
#include "settings/EndScreenPanel.h"
#include "settings/EndScreenPatch.h"
#include "settings/EndingTextPanel.h"
#include "settings/StartScreenPanel.h"
#include "ui/Controls.h"
#include "ui/ErrorGuard.h"

#include <QLineEdit>
#include <QPushButton>

ScreenLoader::ScreenLoader(EditorContext& context, ScreenPanels panels, QPushButton* saveButton)
    : context_(context), panels_(panels), saveButton_(saveButton) {
    button1_ = MakeButton(context.panel, QStringLiteral("Button1"), QStringLiteral("Reload screen"),
                          QRect(80, 544, 83, 25));
    button1_->setToolTip(QStringLiteral("Reload current screen"));
    button1_->setEnabled(false);
    connect(button1_, &QPushButton::clicked, this, context.guard.wrap([this] { Button1Click(); }));
}

void ScreenLoader::Button1Click() {
    EditorState& state = context_.state;
    RomImage& image = state.image;
    EnterStartDirectory(state);
    RomSession session(image);

    image.Seek(region::kStartScreen);
    panels_.startScreen.ShowStartScreenByte(image.ReadByte());
    if (!state.firstLoadDone) {
        panels_.navigation.setScreenText(panels_.startScreen.field()->text());
        state.firstLoadDone = true;
    }
    const std::int32_t screen = panels_.navigation.BoundScreenNumber();
    state.currentRecordOffset = region::ScreenRecordOffset(screen);
    readGameWideSettings();

    const ScreenRecord record = ReadScreenRecord(image, state.currentRecordOffset);
    for (int cell = 1; cell <= ScreenRecord::kTileCount; ++cell) {
        panels_.tiles.ShowTileCode(cell, record.tiles[static_cast<std::size_t>(cell - 1)]);
    }
    panels_.objects.SetLoadedFields(record);
    panels_.message.ShowCodes(record.message);
    panels_.palettes.SetLoadedBytes(record.palette1, record.palette2);

    panels_.palettes.NamePreset();
    panels_.objects.ApplyUnsetPositionRule();
    panels_.objects.PlaceItemMarker();
    panels_.objects.ShowItemPicturesAndName();
    saveButton_->setEnabled(panels_.objects.ItemAllowsSaving());
    panels_.objects.ShowEnemyPictures();
    panels_.objects.PlaceEnemyMarkers();

    image.Seek(region::kEndScreenMarker);
    if (image.ReadByte() == kCallOpcode) {
        panels_.endScreen.LearnEndScreenRecord();
    }
    session.close();
}

void ScreenLoader::readGameWideSettings() {
    RomImage& image = context_.state.image;
    panels_.endingText.Clear();
    image.Seek(region::kEndingText);
    for (int i = 0; i < region::kEndingTextLength; ++i) {
        panels_.endingText.AppendCode(image.ReadByte());
    }

    image.Seek(region::kEndScreenMarker);
    if (image.ReadByte() != kCallOpcode) {
        panels_.endScreen.ShowNoEndScreen();
        return;
    }
    image.Seek(region::kEntryAddressHigh);
    const std::int32_t high = image.ReadByte();
    image.Seek(region::kEntryAddressLow);
    const std::int32_t low = image.ReadByte();
    panels_.endScreen.ShowEntryAddress(low + 256 * high);
}
