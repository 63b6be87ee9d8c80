// The panels whose controls hold one screen and the game-wide settings: what
// the screen loader fills and Save screen reads.
#pragma once

class EndScreenPanel;
class EndingTextPanel;
class MessageField;
class ObjectsPanel;
class PalettePanel;
class QPushButton;
class ScreenNavigation;
class StartScreenPanel;
class TilePanel;

struct ScreenPanels {
    TilePanel& tiles;
    MessageField& message;
    ObjectsPanel& objects;
    PalettePanel& palettes;
    ScreenNavigation& navigation;
    StartScreenPanel& startScreen;
    EndScreenPanel& endScreen;
    EndingTextPanel& endingText;
};
