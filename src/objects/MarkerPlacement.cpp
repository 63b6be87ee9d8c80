#include "objects/MarkerPlacement.h"

#include "objects/PlaceRule.h"
#include "ui/Controls.h"

#include <QLineEdit>

void PlaceMarker(QWidget* marker, const QLineEdit* positionField) {
    if (const auto point = MarkerPointOf(FieldNumber(positionField))) {
        marker->move(point->left, point->top);
    }
}

void ClampPosition(QLineEdit* positionField) {
    const std::int32_t value = FieldNumber(positionField);
    const std::int32_t clamped = ClampedPosition(value);
    if (clamped != value) {
        SetFieldNumber(positionField, clamped);
    }
}
