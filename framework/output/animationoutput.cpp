#include "animationoutput.h"

#include "framework/host/atomicfile.h"
#include "framework/output/chartoutput.h"
#include "framework/output/render.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

#include <gif_lib.h>

#include <array>
#include <vector>

namespace kavel {

namespace {

constexpr double kDpi = 96;

QString cannotWrite(const QString& path, const QString& why)
{
    return QStringLiteral("%1 could not be written: %2").arg(path, why);
}

// The frame as the picture shows it, on white, without antialiasing: every
// pixel is one of the palette's colours.
QImage frameImage(const OpList& ops, const QRectF& region)
{
    const QSize size = ChartOutput::pictureSize(region, kDpi);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    render(image, ops, { DeviceMapping::fitted(QRectF(QPointF(0, 0), size), kDpi, region) });
    return image;
}

// The nearest palette index of a colour; text edges that the font engine
// smooths anyway fall to the nearest of the sixteen.
GifByteType paletteIndex(QRgb rgb)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int k = 0; k < int(Palette::kColours.size()); ++k) {
        const Rgb& c = Palette::kColours[std::size_t(k)];
        const int dr = qRed(rgb) - c.r;
        const int dg = qGreen(rgb) - c.g;
        const int db = qBlue(rgb) - c.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = k;
            bestDistance = distance;
        }
    }
    return GifByteType(best);
}

int writeToFile(GifFileType* gif, const GifByteType* data, int length)
{
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return int(file->write(reinterpret_cast<const char*>(data), length));
}

} // namespace

// An animated GIF through giflib, written into a QSaveFile so that a failed
// export leaves no half file behind.
class AnimationWriter::Gif {
public:
    explicit Gif(const QString& path)
        : m_path(path)
        , m_file(path)
    {
    }

    ~Gif()
    {
        if (m_gif) {
            int error = 0;
            EGifCloseFile(m_gif, &error);
        }
    }

    QString start(const QSize& size)
    {
        m_size = size;
        if (!m_file.open(QIODevice::WriteOnly))
            return cannotWrite(m_path, m_file.errorString());
        int error = 0;
        m_gif = EGifOpen(&m_file, writeToFile, &error);
        if (!m_gif)
            return cannotWrite(m_path, QString::fromLatin1(GifErrorString(error)));
        EGifSetGifVersion(m_gif, true);

        std::array<GifColorType, 16> colours {};
        for (std::size_t k = 0; k < colours.size(); ++k)
            colours[k] = GifColorType { GifByteType(Palette::kColours[k].r), GifByteType(Palette::kColours[k].g), GifByteType(Palette::kColours[k].b) };
        ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
        if (!map)
            return cannotWrite(m_path, QStringLiteral("no memory for the palette"));
        const int white = 15;
        const bool ok = EGifPutScreenDesc(m_gif, size.width(), size.height(), 8, white, map) == GIF_OK;
        GifFreeMapObject(map);
        if (!ok)
            return failed();

        // Loop for ever (the NETSCAPE2.0 application block).
        static const GifByteType kApplication[] = { 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0' };
        static const GifByteType kLoop[] = { 1, 0, 0 };
        if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK
            || EGifPutExtensionBlock(m_gif, sizeof kApplication, kApplication) != GIF_OK
            || EGifPutExtensionBlock(m_gif, sizeof kLoop, kLoop) != GIF_OK
            || EGifPutExtensionTrailer(m_gif) != GIF_OK)
            return failed();
        return {};
    }

    QString add(const QImage& image)
    {
        GraphicsControlBlock control {};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = kFrameMilliseconds / 10;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) != GIF_OK)
            return failed();
        if (EGifPutImageDesc(m_gif, 0, 0, m_size.width(), m_size.height(), false, nullptr) != GIF_OK)
            return failed();
        std::vector<GifByteType> row(std::size_t(m_size.width()));
        QRgb lastRgb = qRgb(255, 255, 255);
        GifByteType lastIndex = 15;
        for (int y = 0; y < m_size.height(); ++y) {
            const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < m_size.width(); ++x) {
                const QRgb rgb = pixels[x] | 0xff000000u;
                if (rgb != lastRgb) {
                    lastRgb = rgb;
                    lastIndex = paletteIndex(rgb);
                }
                row[std::size_t(x)] = lastIndex;
            }
            if (EGifPutLine(m_gif, row.data(), m_size.width()) != GIF_OK)
                return failed();
        }
        return {};
    }

    QString finish()
    {
        int error = 0;
        const int closed = EGifCloseFile(m_gif, &error);
        m_gif = nullptr;
        if (closed != GIF_OK)
            return cannotWrite(m_path, QString::fromLatin1(GifErrorString(error)));
        const QString reason = AtomicFile::commit(m_file);
        return reason.isEmpty() ? QString() : cannotWrite(m_path, reason);
    }

    QSize size() const { return m_size; }

private:
    QString failed()
    {
        const QString why = m_file.error() != QFileDevice::NoError ? m_file.errorString() : QString::fromLatin1(GifErrorString(m_gif->Error));
        return cannotWrite(m_path, why);
    }

    QString m_path;
    QSaveFile m_file;
    GifFileType* m_gif = nullptr;
    QSize m_size;
};

AnimationWriter::AnimationWriter(AnimationFormat format, const QString& path)
    : m_format(format)
    , m_path(path)
{
}

AnimationWriter::~AnimationWriter() = default;

QString AnimationWriter::addFrame(const OpList& ops, const QRectF& region)
{
    ++m_frames;
    if (m_format == AnimationFormat::Frames) {
        if (m_frames == 1 && !QDir().mkpath(m_path))
            return cannotWrite(m_path, QStringLiteral("the directory could not be made"));
        const QString file = QDir(m_path).filePath(QStringLiteral("frame%1.png").arg(m_frames, 4, 10, QLatin1Char('0')));
        return ChartOutput::writePng(ops, SurfaceKind::Screen, file, kDpi, region);
    }
    if (!m_gif) {
        m_gif = std::make_unique<Gif>(m_path);
        if (QString error = m_gif->start(ChartOutput::pictureSize(region, kDpi)); !error.isEmpty())
            return error;
    }
    QImage image = frameImage(ops, region);
    if (image.size() != m_gif->size())
        image = image.copy(QRect(QPoint(0, 0), m_gif->size()));
    return m_gif->add(image);
}

QString AnimationWriter::finish()
{
    if (m_format == AnimationFormat::Gif && m_gif)
        return m_gif->finish();
    return {};
}

} // namespace kavel
