#include "ui/Controls.h"

#include "rom/DecimalText.h"
#include "ui/FieldHooks.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* MakeTextField(QWidget* parent, const QString& name, const QString& text,
                         const QRect& geometry, int maxLength) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setMaxLength(maxLength);
    field->setText(text);
    return field;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& text,
                        const QRect& geometry, bool checked) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setChecked(checked);
    return box;
}

PictureBox* MakePictureBox(QWidget* parent, const QString& name, const QRect& geometry,
                           bool scaled) {
    auto* box = new PictureBox(parent, scaled);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

QLineEdit* MakeHiddenField(QWidget* parent, const QString& name, const QString& text) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setFocusPolicy(Qt::NoFocus);
    field->hide();
    return field;
}

bool IsDigitCharacter(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

QLineEdit* MakeNumberField(QWidget* parent, const QString& name, const QString& text, int left,
                           int top, ErrorGuard& guard, FieldHooks** hooks) {
    constexpr int kWidth = 41;
    constexpr int kHeight = 21;
    constexpr int kDigits = 3;
    QLineEdit* field =
        MakeTextField(parent, name, text, QRect(left, top, kWidth, kHeight), kDigits);
    FieldHooks* attached = FieldHooks::attach(field, &guard);
    attached->charTyped = IsDigitCharacter;
    if (hooks != nullptr) {
        *hooks = attached;
    }
    return field;
}

std::int32_t FieldNumber(const QLineEdit* field) {
    return DecimalTextToInt(field->text().toStdString());
}

void SetFieldNumber(QLineEdit* field, std::int32_t value) {
    field->setText(QString::number(value));
}
