#include "ui/InterfaceLanguage.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

namespace {

struct ControlText {
    const char* control;
    const char* english;
};

// The start-up captions, in the order they are put on the controls.
constexpr ControlText kCaptions[] = {
    {"CheckBox2", QT_TRANSLATE_NOOP("StartupTexts", "Show enemy 1")},
    {"CheckBox3", QT_TRANSLATE_NOOP("StartupTexts", "Show enemy 2")},
    {"CheckBox4", QT_TRANSLATE_NOOP("StartupTexts", "Show enemy 3")},
    {"CheckBox5", QT_TRANSLATE_NOOP("StartupTexts", "Show enemy 4")},
    {"CheckBox1", QT_TRANSLATE_NOOP("StartupTexts", "Show item")},
    {"CheckBox6", QT_TRANSLATE_NOOP("StartupTexts", "Show All")},
    {"Label4", QT_TRANSLATE_NOOP("StartupTexts", "Screen message:")},
    {"Label14", QT_TRANSLATE_NOOP("StartupTexts", "Palette 1")},
    {"Label13", QT_TRANSLATE_NOOP("StartupTexts", "Palette 2")},
    {"Label15", QT_TRANSLATE_NOOP("StartupTexts", "Manual")},
    {"Label3", QT_TRANSLATE_NOOP("StartupTexts", "Item: None")},
    {"Label5", QT_TRANSLATE_NOOP("StartupTexts", "Enemy 1:")},
    {"Label7", QT_TRANSLATE_NOOP("StartupTexts", "Enemy 2:")},
    {"Label9", QT_TRANSLATE_NOOP("StartupTexts", "Enemy 3:")},
    {"Label11", QT_TRANSLATE_NOOP("StartupTexts", "Enemy 4:")},
    {"Label2", QT_TRANSLATE_NOOP("StartupTexts", "Item destination")},
    {"Label6", QT_TRANSLATE_NOOP("StartupTexts", "Enemy 1 destination")},
    {"Label8", QT_TRANSLATE_NOOP("StartupTexts", "Enemy 2 destination")},
    {"Label10", QT_TRANSLATE_NOOP("StartupTexts", "Enemy 3 destination")},
    {"Label12", QT_TRANSLATE_NOOP("StartupTexts", "Enemy 4 destination")},
    {"Label1", QT_TRANSLATE_NOOP("StartupTexts", "Screen number")},
    {"Button2", QT_TRANSLATE_NOOP("StartupTexts", "Open ROM")},
    {"Button1", QT_TRANSLATE_NOOP("StartupTexts", "Reload screen")},
    {"Button10", QT_TRANSLATE_NOOP("StartupTexts", "Clear screen")},
    {"Button5", QT_TRANSLATE_NOOP("StartupTexts", "Save screen")},
    {"Button27", QT_TRANSLATE_NOOP("StartupTexts", "Export map")},
    {"Button28", QT_TRANSLATE_NOOP("StartupTexts", "Import map")},
    {"BitBtn1", QT_TRANSLATE_NOOP("StartupTexts", "&About...")},
    {"Button37", QT_TRANSLATE_NOOP("StartupTexts", "Save")},
    {"Button40", QT_TRANSLATE_NOOP("StartupTexts", "Save")},
    {"Label16", QT_TRANSLATE_NOOP("StartupTexts", "    Start screen")},
    {"Label17", QT_TRANSLATE_NOOP("StartupTexts", "    End screen")},
    {"Button41", QT_TRANSLATE_NOOP("StartupTexts", "Save Ending text")},
    {"Button33", QT_TRANSLATE_NOOP("StartupTexts", "Export T/P/I/E")},
    {"Button34", QT_TRANSLATE_NOOP("StartupTexts", "Import T/P/I/E")},
};

constexpr ControlText kHints[] = {
    {"Button10", QT_TRANSLATE_NOOP("StartupTexts", "Clear the current screen")},
    {"Button5", QT_TRANSLATE_NOOP("StartupTexts", "Save the current screen to a ROM")},
    {"Button27", QT_TRANSLATE_NOOP("StartupTexts", "Export the current screen map")},
    {"Button28", QT_TRANSLATE_NOOP("StartupTexts", "Import & Save the map to a current screen")},
    {"Button33", QT_TRANSLATE_NOOP("StartupTexts", "Export Text/Palette/Item/Enemies")},
    {"Button34", QT_TRANSLATE_NOOP("StartupTexts",
                                   "Import & Save Text/Palette/Item/Enemies to a current screen")},
    {"Button2", QT_TRANSLATE_NOOP("StartupTexts", "Open ROM Dunmora.nes")},
    {"Button1", QT_TRANSLATE_NOOP("StartupTexts", "Reload current screen")},
};

QString Translated(const char* english) {
    return QCoreApplication::translate("StartupTexts", english);
}

void SetCaption(QWidget* control, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        label->adjustSize();
    }
}

} // namespace

InterfaceLanguage::InterfaceLanguage(int flag) : flag_(flag) {
    if (flag_ == kRussian && translator_.load(QStringLiteral(":/i18n/dunmora_ru.qm"))) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
}

InterfaceLanguage::~InterfaceLanguage() {
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
    }
}

void InterfaceLanguage::ApplyStartupTexts(QWidget* panel) const {
    if (flag_ != kRussian) {
        return;
    }
    for (const ControlText& caption : kCaptions) {
        SetCaption(panel->findChild<QWidget*>(QLatin1String(caption.control)),
                   Translated(caption.english));
    }
    for (const ControlText& hint : kHints) {
        panel->findChild<QWidget*>(QLatin1String(hint.control))
            ->setToolTip(Translated(hint.english));
    }
}
