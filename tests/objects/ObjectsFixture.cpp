#include "ObjectsFixture.h"

#include "rom/ScreenRecord.h"
#include "ui/PictureFile.h"

#include <QTest>

ObjectsFixture::ObjectsFixture() {
    panel.resize(825, 580);
    objects = std::make_unique<ObjectsPanel>(context);
    objects->ShowStartupEnemyPictures();
    objects->ShowStartupItemPictures();
    objects->PlaceMarkersAtStart();
    panel.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
}

void ObjectsFixture::click(const char* button, int times) const {
    for (int i = 0; i < times; ++i) {
        find<QPushButton>(button)->click();
    }
}

bool ObjectsFixture::shows(const char* box, const char* file) const {
    return picture(box)->picture() == LoadBitmapPicture(QString::fromLatin1(file));
}

void ObjectsFixture::load(const ScreenRecord& record) {
    objects->SetLoadedFields(record);
    objects->ApplyUnsetPositionRule();
    objects->PlaceItemMarker();
    objects->ShowItemPicturesAndName();
    objects->ShowEnemyPictures();
    objects->PlaceEnemyMarkers();
}
