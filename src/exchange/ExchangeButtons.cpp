#include "exchange/ExchangeButtons.h"

#include "ui/Controls.h"

#include <QPushButton>

void MakeExchangeButtons(QWidget* panel) {
    struct Design {
        const char* name;
        const char* caption;
        const char* hint;
        QRect geometry;
    };
    const Design buttons[] = {
        {"Button27", "Export map", "Export the current screen map", QRect(434, 544, 65, 25)},
        {"Button28", "Import map", "Import & Save the map to a current screen",
         QRect(503, 544, 65, 25)},
        {"Button33", "Export T/P/I/E", "Export Text/Palette/Item/Enemies", QRect(572, 544, 82, 25)},
        {"Button34", "Import T/P/I/E",
         "Import & Save Text/Palette/Item/Enemies to a current screen", QRect(658, 544, 82, 25)},
    };
    for (const Design& design : buttons) {
        QPushButton* button = MakeButton(panel, QLatin1String(design.name),
                                         QLatin1String(design.caption), design.geometry);
        button->setToolTip(QLatin1String(design.hint));
        button->setEnabled(false);
    }
}
