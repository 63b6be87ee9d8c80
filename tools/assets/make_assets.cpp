// Generates the editor's picture folders and its start-up help picture, so that all art of the
// project is made by the project and can be regenerated at will.
// Usage: make_assets <root>  (writes <root>/assets/... and <root>/resources/help.bmp)

#include "ArtKit.h"
#include "Bmp4Writer.h"
#include "EnemyPainter.h"
#include "HelpDiagramPainter.h"
#include "InfoBannerPainter.h"
#include "ItemPainter.h"
#include "TilePainter.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace {

void writeAll(const QDir& root) {
    const QString assets = root.filePath("assets");
    for (int code = 0; code < tiles::kTileCount; ++code) {
        art::saveBmp24(tiles::paintTile(code), assets + "/graph/" + art::hexText(code) + ".bmp");
    }
    for (int id = 0; id < items::kItemCount; ++id) {
        art::saveBmp24(items::paintItem(id), assets + "/items/" + art::hexText(id) + ".bmp");
    }
    for (int id = 0; id < enemies::kEnemyCount; ++id) {
        art::saveBmp24(enemies::paintEnemy(id), assets + "/enemyes/" + art::hexText(id) + ".bmp");
    }
    for (int number : {1, 2}) {
        art::saveBmp24(banners::paintInfoBanner(number),
                       assets + "/info/info" + QString::number(number) + ".bmp");
    }
    bmp4::save(help::paintHelpDiagram(), root.filePath("resources/help.bmp"));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets <output root>\n");
        return 2;
    }
    try {
        writeAll(QDir(QString::fromLocal8Bit(argv[1])));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
