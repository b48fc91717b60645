#include "mirnokwindowtest.h"

#include "export/exportrequest.h"
#include "framework/output/animationoutput.h"
#include "export/exportcommand.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <gif_lib.h>

namespace kavel::test {
namespace {

struct ExportRun {
    int status = -1;
    QString err;
};

class MirnokExport : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    ExportRun exportMirnok(const QStringList& arguments)
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        ExportRun run;
        run.status = runExportCommand(QStringList { QStringLiteral("mirnok"), QStringLiteral("--root"), root.path(QString()) } + arguments, outStream, errStream);
        run.err = err;
        return run;
    }

    // The texts of a JSON export, in order.
    QStringList jsonTexts(const QStringList& arguments)
    {
        const QString out = root.path(QStringLiteral("out.json"));
        const ExportRun run = exportMirnok(arguments + QStringList { QStringLiteral("-o"), out });
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        QFile file(out);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList texts;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QJsonObject op = QJsonDocument::fromJson(line).object();
            if (op.value(QStringLiteral("op")).toString() == QLatin1String("text"))
                texts << op.value(QStringLiteral("text")).toString();
        }
        return texts;
    }

    QByteArray jsonBytes(const QStringList& arguments)
    {
        const QString out = root.path(QStringLiteral("out.json"));
        const ExportRun run = exportMirnok(arguments + QStringList { QStringLiteral("-o"), out });
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestRoot root;
};

// A decoded GIF: its frames' delays, whether it loops, its palette size.
struct DecodedGif {
    int width = 0;
    int height = 0;
    int colours = 0;
    bool loops = false;
    std::vector<int> delays;
    std::vector<std::vector<GifByteType>> pixels;
};

std::optional<DecodedGif> decodeGif(const QString& path)
{
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif)
        return std::nullopt;
    if (DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &error);
        return std::nullopt;
    }
    DecodedGif decoded;
    decoded.width = gif->SWidth;
    decoded.height = gif->SHeight;
    decoded.colours = gif->SColorMap ? gif->SColorMap->ColorCount : 0;
    // The loop block stands before the first image, which giflib keeps it with.
    auto findLoop = [&](const ExtensionBlock* blocks, int count) {
        for (int k = 0; k < count; ++k) {
            if (blocks[k].Function == APPLICATION_EXT_FUNC_CODE && blocks[k].ByteCount == 11 && std::memcmp(blocks[k].Bytes, "NETSCAPE2.0", 11) == 0)
                decoded.loops = true;
        }
    };
    findLoop(gif->ExtensionBlocks, gif->ExtensionBlockCount);
    if (gif->ImageCount > 0)
        findLoop(gif->SavedImages[0].ExtensionBlocks, gif->SavedImages[0].ExtensionBlockCount);
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control {};
        DGifSavedExtensionToGCB(gif, i, &control);
        decoded.delays.push_back(control.DelayTime);
        const SavedImage& image = gif->SavedImages[i];
        decoded.pixels.emplace_back(image.RasterBits, image.RasterBits + image.ImageDesc.Width * image.ImageDesc.Height);
    }
    DGifCloseFile(gif, &error);
    return decoded;
}

TEST_F(MirnokExport, TheScreenCarriesTheLegendAndThePageDoesNot)
{
    const QStringList screen = jsonTexts({ QStringLiteral("--surface"), QStringLiteral("screen") });
    EXPECT_TRUE(screen.contains(QStringLiteral("Speed= 50  Hz")));
    EXPECT_TRUE(screen.contains(QStringLiteral("No.6   -106.9115 +j 258.0224  Hz")));
    EXPECT_EQ(screen.back(), QStringLiteral("R1 compressor rotor  complex modes at 50 rps (3000 rpm)"));

    const QByteArray page = jsonBytes({});
    EXPECT_FALSE(page.contains("Speed="));
    EXPECT_FALSE(page.contains("No.1"));
    EXPECT_TRUE(page.trimmed().endsWith("{\"op\":\"end_document\"}")) << page.right(80).toStdString();
    // The export reads the installation and leaves nothing behind in it.
    EXPECT_FALSE(QFile::exists(root.path(kDiagnosticFile)));
}

TEST_F(MirnokExport, ModeFlagsAndPhaseChooseWhatIsDrawn)
{
    const QByteArray all = jsonBytes({ QStringLiteral("--surface"), QStringLiteral("screen") });
    const QByteArray second = jsonBytes({ QStringLiteral("--surface"), QStringLiteral("screen"), QStringLiteral("--option"), QStringLiteral("modeShown=0,1,0,0,0,0,0,0,0,0,0,0,0") });
    // One mode of 31 segments instead of six, still all six in the legend.
    EXPECT_EQ(all.count("\"op\":\"line\"") - second.count("\"op\":\"line\""), 5 * 31);
    EXPECT_EQ(second.count("No."), 6);

    const QByteArray quarter = jsonBytes({ QStringLiteral("--surface"), QStringLiteral("screen"), QStringLiteral("--option"), QStringLiteral("phase=90") });
    EXPECT_NE(quarter, all);
    EXPECT_EQ(quarter.count("\"op\":\"line\""), all.count("\"op\":\"line\""));
    EXPECT_EQ(jsonBytes({ QStringLiteral("--surface"), QStringLiteral("screen"), QStringLiteral("--option"), QStringLiteral("phase=0") }), all);

    for (const char* option : { "modeShown=1,1,1", "modeShown=1,1,1,1,1,1,1,1,1,1,1,1,2", "phase=east", "animate=2" }) {
        const ExportRun run = exportMirnok({ QStringLiteral("--option"), QString::fromLatin1(option), QStringLiteral("-o"), root.path(QStringLiteral("x.json")) });
        EXPECT_EQ(run.status, ExportUsageError) << option;
        EXPECT_FALSE(run.err.isEmpty()) << option;
    }
}

TEST_F(MirnokExport, AnAnimatedGifHoldsOneCycleAtTheTimersPace)
{
    const QString gif = root.path(QStringLiteral("anim.gif"));
    const ExportRun run = exportMirnok({ QStringLiteral("--option"), QStringLiteral("animate=1"), QStringLiteral("-o"), gif });
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const std::optional<DecodedGif> decoded = decodeGif(gif);
    ASSERT_TRUE(decoded);
    // The step of the first mode, 50°: phases 0, 50, … 350.
    EXPECT_EQ(decoded->delays, std::vector<int>(8, 10));
    EXPECT_TRUE(decoded->loops);
    EXPECT_EQ(decoded->colours, 16);
    EXPECT_EQ(decoded->width, 1134);
    EXPECT_EQ(decoded->height, 794);
    EXPECT_NE(decoded->pixels[0], decoded->pixels[1]);
    // Only the chart's colours: white paper, black, the outline's dark blue.
    EXPECT_EQ(decoded->pixels[0][0], 15);
    EXPECT_NE(std::find(decoded->pixels[0].begin(), decoded->pixels[0].end(), GifByteType(1)), decoded->pixels[0].end());

    // The same export gives the same bytes.
    QFile first(gif);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray bytes = first.readAll();
    first.close();
    ASSERT_EQ(exportMirnok({ QStringLiteral("--option"), QStringLiteral("animate=1"), QStringLiteral("-o"), gif }).status, 0);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), bytes);
}

TEST_F(MirnokExport, ARisingSketchAnimatesInATallerPicture)
{
    QByteArray settings = root.read(kWorkingFile);
    settings.replace(" 0   1200   200   14  -20 ", " 0   1200   200   14   20 ");
    root.write(kWorkingFile, settings);
    const QString gif = root.path(QStringLiteral("rising.gif"));
    ASSERT_EQ(exportMirnok({ QStringLiteral("--option"), QStringLiteral("animate=1"), QStringLiteral("-o"), gif }).status, 0);
    const std::optional<DecodedGif> decoded = decodeGif(gif);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 1134);
    EXPECT_GT(decoded->height, 794 * 27 / 21);
    // The outline's centre line shows on every frame, above the bottom edge.
    for (const std::vector<GifByteType>& frame : decoded->pixels) {
        bool blueInLowestTenth = false;
        for (std::size_t k = frame.size() * 9 / 10; k < frame.size() && !blueInLowestTenth; ++k)
            blueInLowestTenth = frame[k] == 1;
        EXPECT_TRUE(blueInLowestTenth);
    }
}

TEST_F(MirnokExport, AnOutputWithoutExtensionGetsNumberedFrames)
{
    const QString dir = root.path(QStringLiteral("frames"));
    const ExportRun run = exportMirnok({ QStringLiteral("--option"), QStringLiteral("animate=1"), QStringLiteral("-o"), dir });
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList frames = QDir(dir).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(frames, (QStringList { "frame0001.png", "frame0002.png", "frame0003.png", "frame0004.png",
                                     "frame0005.png", "frame0006.png", "frame0007.png", "frame0008.png" }));
    const QImage first(QDir(dir).filePath(frames.front()));
    EXPECT_EQ(first.size(), QSize(1134, 794));
}

TEST_F(MirnokExport, AnimationNeedsAGifOrADirectoryAndAViewerThatAnimates)
{
    ExportRun run = exportMirnok({ QStringLiteral("--option"), QStringLiteral("animate=1"), QStringLiteral("-o"), root.path(QStringLiteral("a.pdf")) });
    EXPECT_EQ(run.status, ExportUsageError);
    EXPECT_TRUE(run.err.contains(QStringLiteral(".gif"))) << run.err.toStdString();
    run = exportMirnok({ QStringLiteral("-o"), root.path(QStringLiteral("a.gif")) });
    EXPECT_EQ(run.status, ExportUsageError);
    EXPECT_TRUE(run.err.contains(QStringLiteral("animate=1"))) << run.err.toStdString();

    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = runExportCommand({ QStringLiteral("savlen"), QStringLiteral("--root"), root.path(QString()), QStringLiteral("--option"),
                                            QStringLiteral("animate=1"), QStringLiteral("-o"), root.path(QStringLiteral("s.gif")) },
        outStream, errStream);
    EXPECT_EQ(status, ExportUsageError);
    EXPECT_TRUE(err.contains(QStringLiteral("savlen has no animation"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(root.path(QStringLiteral("s.gif"))));

    // A GIF that cannot be written names its file.
    run = exportMirnok({ QStringLiteral("--option"), QStringLiteral("animate=1"), QStringLiteral("-o"), root.path(QStringLiteral("no/such/dir/a.gif")) });
    EXPECT_EQ(run.status, ExportCannotWrite);
    EXPECT_TRUE(run.err.contains(QStringLiteral("a.gif"))) << run.err.toStdString();
}

} // namespace
} // namespace kavel::test
