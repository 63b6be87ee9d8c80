// A box that shows one bitmap, either at its own size from the top-left corner or stretched to
// the box, and reports a left click. The cells, the tile picker, the item and enemy pictures, the
// markers and the info banner are all picture boxes; they never take the keyboard focus.
#pragma once

#include <QImage>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr, bool scaled = false);

    bool isScaled() const { return scaled_; }
    void setScaled(bool scaled);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    // Reads the bitmap afresh; on failure throws and the old picture stays.
    void loadPicture(const QString& relativePath);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool scaled_;
    bool leftPressed_ = false;
};
