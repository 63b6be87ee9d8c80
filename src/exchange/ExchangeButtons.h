// The four buttons that move a screen's tiles, and its text, palettes, item
// and enemies, through the exchange files. They wait, disabled, for an image.
#pragma once

class QWidget;

void MakeExchangeButtons(QWidget* panel);
