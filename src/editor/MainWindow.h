// The editor's one window. It composes the subsystems' panels on Panel1, runs
// window creation in its order, and owns what they share; each panel keeps its
// own controls and handlers.
#pragma once

#include "editor/EditorContext.h"
#include "ui/ErrorGuard.h"
#include "ui/InterfaceLanguage.h"

#include <QWidget>
#include <memory>

class AboutButton;
class EndScreenPanel;
class EndingTextPanel;
class InfoBanner;
class MessageField;
class ObjectsPanel;
class PalettePanel;
class QFrame;
class RomOpener;
class ScreenLoader;
class ScreenNavigation;
class ScreenSaver;
class StartScreenPanel;
class TilePanel;
class UserDialogs;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kEnglish = InterfaceLanguage::kEnglish;
    static constexpr int kRussian = InterfaceLanguage::kRussian;

    MainWindow(UserDialogs& dialogs, int languageFlag, QWidget* parent = nullptr);
    ~MainWindow() override;

    QFrame* panel() const { return panel1_; }
    EditorState& state() { return state_; }
    InfoBanner& banner() const { return *banner_; }

protected:
    // Opens centred on the desktop, frame included.
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void arrangeStacking();
    void arrangeFocusOrder();

    InterfaceLanguage language_;
    EditorState state_;
    QFrame* panel1_;
    ErrorGuard guard_;
    EditorContext context_;

    std::unique_ptr<TilePanel> tiles_;
    std::unique_ptr<MessageField> message_;
    std::unique_ptr<ObjectsPanel> objects_;
    std::unique_ptr<PalettePanel> palettes_;
    std::unique_ptr<ScreenNavigation> navigation_;
    std::unique_ptr<StartScreenPanel> startScreen_;
    std::unique_ptr<EndScreenPanel> endScreen_;
    std::unique_ptr<EndingTextPanel> endingText_;
    std::unique_ptr<RomOpener> opener_;
    std::unique_ptr<ScreenSaver> saver_;
    std::unique_ptr<ScreenLoader> loader_;
    std::unique_ptr<InfoBanner> banner_;
    std::unique_ptr<AboutButton> about_;
    bool centred_ = false;
};
