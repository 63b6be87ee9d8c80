#include "editor/RomOpener.h"

#include "editor/EditorContext.h"
#include "ui/Controls.h"
#include "ui/DialogFilter.h"
#include "ui/ErrorGuard.h"
#include "ui/UserDialogs.h"

#include <QPushButton>

namespace {

// Disabled until an image is open; enabled in this order, and nothing but the
// loader's Save screen switch disables one again.
const char* const kImageButtons[] = {"Button1",  "Button3",  "Button4",  "Button5",  "Button27",
                                     "Button28", "Button33", "Button34", "Button35", "Button36",
                                     "Button37", "Button38", "Button39", "Button40", "Button41"};

} // namespace

RomOpener::RomOpener(EditorContext& context) : context_(context) {
    button2_ = MakeButton(context.panel, QStringLiteral("Button2"), QStringLiteral("Open ROM"),
                          QRect(8, 544, 67, 25));
    button2_->setToolTip(QStringLiteral("Open ROM Dunmora.nes"));
    connect(button2_, &QPushButton::clicked, this, context.guard.wrap([this] { Button2Click(); }));
}

void RomOpener::Button2Click() {
    EditorState& state = context_.state;
    EnterStartDirectory(state);
    const auto chosen =
        context_.dialogs.chooseFileToOpen(context_.panel->window(), tr(" Open file Dunmora.nes"),
                                          QtFileFilter(QStringLiteral("Any file (*.*)|*.*")));
    if (!chosen) {
        return;
    }
    state.image.setPath(ImagePathForFiles(*chosen));
    state.image.Open();
    for (const char* name : kImageButtons) {
        context_.panel->findChild<QPushButton*>(QLatin1String(name))->setEnabled(true);
    }
    state.endScreenRecordOffset = 0;
    state.firstLoadDone = false;
    reloadScreen();
}
