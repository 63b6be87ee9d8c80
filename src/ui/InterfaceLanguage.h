// The interface language: English design texts, Russian at run time. The
// Russian texts come from Qt's translation files, so a third language needs a
// translation file and no code.
#pragma once

#include <QTranslator>

class QWidget;

class InterfaceLanguage {
public:
    static constexpr int kEnglish = 0;
    static constexpr int kRussian = 1;

    // Flag 0 keeps English; flag 1 installs the Russian translation for the
    // life of this object.
    explicit InterfaceLanguage(int flag);
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

    // Puts the start-up captions on the panel's controls in the table's order,
    // then the eight hints; with the flag at 0 the design texts stay.
    void ApplyStartupTexts(QWidget* panel) const;

private:
    int flag_;
    QTranslator translator_;
    bool installed_ = false;
};
