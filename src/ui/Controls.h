// The window is a fixed pixel layout of named controls. These make one control
// at its place with its name and design text, so every panel builds its part
// of the layout the same way.
#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

class ErrorGuard;
class FieldHooks;
class PictureBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry);
// Labels size themselves to their text from their left, top corner.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top);
QLineEdit* MakeTextField(QWidget* parent, const QString& name, const QString& text,
                         const QRect& geometry, int maxLength);
QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry, bool checked);
PictureBox* MakePictureBox(QWidget* parent, const QString& name, const QRect& geometry,
                           bool scaled);
// A control that only holds state: never shown, never focused.
QLineEdit* MakeHiddenField(QWidget* parent, const QString& name, const QString& text);

// A numeric field: 41 x 21, at most 3 characters, its digit filter attached;
// the returned hooks take the field's clamp.
QLineEdit* MakeNumberField(QWidget* parent, const QString& name, const QString& text, int left,
                           int top, ErrorGuard& guard, FieldHooks** hooks);
// A typed character passes only when it is a digit: Backspace is dropped too.
bool IsDigitCharacter(QChar ch);

// The decimal value of a field's whole text; throws for anything else.
std::int32_t FieldNumber(const QLineEdit* field);
void SetFieldNumber(QLineEdit* field, std::int32_t value);
