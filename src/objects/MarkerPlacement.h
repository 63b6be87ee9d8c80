// The two operations that every position editor shares: a marker follows its position field
// only when asked, and a field is brought into the place range only by its clamp.
#pragma once

class QLineEdit;
class QWidget;

// Moves the marker to the place the field names; a value that names no place leaves it.
// Throws when the field holds no decimal integer.
void PlaceMarker(QWidget* marker, const QLineEdit* positionField);
// Brings the field's text into 0..191; never moves a marker. Throws when the field holds no
// decimal integer.
void ClampPosition(QLineEdit* positionField);
