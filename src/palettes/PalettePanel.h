// The palette row of the window: the screen's two palette bytes as decimal fields with their
// arrow buttons, and the spin button that applies the named presets with the label that names
// the pair. The pair is only data for Save screen; nothing here recolours a picture.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

struct EditorContext;
struct ScreenRecord;
class QLabel;
class QLineEdit;
class SpinButton;

class PalettePanel : public QObject {
    Q_OBJECT

public:
    explicit PalettePanel(EditorContext& context);

    // Window creation: nothing chosen or matched yet.
    void ResetPresetIndex();
    // The loader writes the record's bytes as decimal text, then names them.
    void SetLoadedBytes(std::uint8_t palette1, std::uint8_t palette2);
    void NamePreset();
    void ApplyPreset(int index);
    int presetIndex() const { return presetIndex_; }
    // Save screen: the low 8 bits of each field; a field that is no number fails.
    void StoreInto(ScreenRecord& record) const;

    bool pal1KeyPress(QChar typed) const;
    bool pal2KeyPress(QChar typed) const;
    void pal1KeyDown();
    void pal2KeyDown();
    void pal1MouseMove();
    void pal2MouseMove();
    void Button31Click();
    void Button32Click();
    void Button29Click();
    void Button30Click();
    void SpinButton1DownClick();
    void SpinButton1UpClick();

private:
    static QString presetName(int index);
    static void ClampPalette(QLineEdit* field);
    static void StepDown(QLineEdit* field);
    static void StepUp(QLineEdit* field);
    void showPresetName(const QString& name);

    QLabel* label15_;
    SpinButton* spinButton1_;
    QLineEdit* pal1_;
    QLineEdit* pal2_;
    int presetIndex_ = 0;
};
