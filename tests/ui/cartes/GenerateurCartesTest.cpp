#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <memory>

#include "ui/cartes/GenerateurCartes.h"

namespace {

const QStringList DOSSIERS = {"Fra", "Ger", "Fun", "XXX"};

QStringList nomsDesFaces() {
    QStringList noms;
    for (int couleur = 1; couleur <= 4; ++couleur)
        for (int position = 6; position <= 14; ++position) noms << QString("%1_%2.bmp").arg(couleur).arg(position);
    return noms;
}

QStringList nomsDesBoutons() {
    QStringList noms;
    for (int mode = 1; mode <= 7; ++mode) noms << QString("%1_btn.bmp").arg(mode);
    return noms;
}

class GenerateurCartesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dossier_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dossier_->isValid());
        echecs_ = genereCartes(dossier_->path());
    }
    static void TearDownTestSuite() { dossier_.reset(); }

    static QImage lis(const QString& style, const QString& nom) {
        return QImage(QDir(dossier_->path()).filePath(style + "/" + nom));
    }

    static std::unique_ptr<QTemporaryDir> dossier_;
    static QStringList echecs_;
};

std::unique_ptr<QTemporaryDir> GenerateurCartesTest::dossier_;
QStringList GenerateurCartesTest::echecs_;

TEST_F(GenerateurCartesTest, EveryStyleFolderHoldsEveryPictureAtItsSize) {
    EXPECT_TRUE(echecs_.isEmpty()) << echecs_.join(", ").toStdString();
    for (const QString& style : DOSSIERS) {
        EXPECT_EQ(QDir(dossier_->path() + "/" + style).entryList(QDir::Files).size(), 36 + 1 + 7) << style.toStdString();
        for (const QString& nom : nomsDesFaces() + QStringList{"back.bmp"})
            EXPECT_EQ(lis(style, nom).size(), QSize(71, 96)) << (style + "/" + nom).toStdString();
        for (const QString& nom : nomsDesBoutons())
            EXPECT_EQ(lis(style, nom).size(), QSize(17, 17)) << (style + "/" + nom).toStdString();
    }
}

// A card drawn twice, or a button left blank, would show the wrong card or mode to the player.
TEST_F(GenerateurCartesTest, NoTwoPicturesOfAStyleAreAlike) {
    for (const QString& style : DOSSIERS) {
        QSet<QByteArray> vus;
        const QStringList noms = nomsDesFaces() + nomsDesBoutons() + QStringList{"back.bmp"};
        for (const QString& nom : noms) {
            const QImage image = lis(style, nom);
            vus.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        EXPECT_EQ(vus.size(), noms.size()) << style.toStdString();
    }
}

TEST_F(GenerateurCartesTest, TheFrenchAndSwissGermanPacksDiffer) {
    for (const QString& nom : nomsDesFaces() + nomsDesBoutons().mid(0, 4) + QStringList{"back.bmp"})
        EXPECT_NE(lis("Fra", nom), lis("Ger", nom)) << nom.toStdString();
}

// The rounded corners let the table show through; the card itself is opaque.
TEST_F(GenerateurCartesTest, CardsKeepTransparentCornersAndAnOpaqueBody) {
    for (const QString& nom : {QString("4_14.bmp"), QString("1_6.bmp"), QString("back.bmp")}) {
        const QImage carte = lis("Fra", nom);
        ASSERT_TRUE(carte.hasAlphaChannel()) << nom.toStdString();
        for (const QPoint coin : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
            EXPECT_EQ(qAlpha(carte.pixel(coin)), 0) << nom.toStdString();
        for (const QPoint dedans : {QPoint(35, 48), QPoint(1, 48), QPoint(35, 1), QPoint(68, 93)})
            EXPECT_EQ(qAlpha(carte.pixel(dedans)), 255) << nom.toStdString();
    }
}

TEST_F(GenerateurCartesTest, ButtonGlyphsLeaveTheButtonFaceShowingAround) {
    for (const QString& nom : nomsDesBoutons()) {
        const QImage glyphe = lis("Ger", nom);
        EXPECT_EQ(qAlpha(glyphe.pixel(0, 0)), 0) << nom.toStdString();
        EXPECT_EQ(qAlpha(glyphe.pixel(8, 8)), 255) << nom.toStdString();
    }
}

TEST(GenerateurCartes, ReportsTheFoldersItCannotCreate) {
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    QFile obstacle(dossier.filePath("Cartes"));
    ASSERT_TRUE(obstacle.open(QIODevice::WriteOnly));
    obstacle.close();
    const QStringList echecs = genereCartes(obstacle.fileName());
    EXPECT_EQ(echecs.size(), 4);
    for (const QString& style : DOSSIERS) EXPECT_TRUE(echecs.join(' ').contains(style)) << style.toStdString();
}

}  // namespace
