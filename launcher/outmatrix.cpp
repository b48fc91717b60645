#include "outmatrix.h"

#include "framework/host/atomicfile.h"
#include "framework/host/hostpaths.h"
#include "framework/reading/numbertext.h"
#include "framework/reading/textfile.h"

#include <QDir>
#include <cmath>

namespace kavel {

namespace {

QString general(float v)
{
    return NumberText::general(double(v), NumberText::kSingleDigits);
}

const QString kSeparator = QStringLiteral("    ");
const QString kZero = QStringLiteral("0");

// The most entries one file takes: each matrix of a model of 2048 degrees of
// freedom. The layout grows with the square of the counts (block 3 becomes
// a diagonal matrix), so a model file of a few hundred kilobytes could ask
// for billions; such a file is refused rather than laid out.
constexpr qint64 kMaxEntries = qint64(1) << 22;

// Lines of one file, entries joined by four blanks.
class Layout {
public:
    explicit Layout(QString file)
        : m_file(std::move(file))
    {
    }

    // Entry k (from 1) of a block; false, with the reason kept, past its end.
    bool add(const ModelBlock& block, int number, qint64 k)
    {
        const std::optional<float> v = block.at(k);
        if (!v) {
            m_error = QStringLiteral("%1 not written: block %2 has %3 values, value %4 is needed").arg(m_file).arg(number).arg(block.x.size()).arg(k);
            return false;
        }
        return add(general(*v));
    }
    bool add(const QString& text)
    {
        if (++m_count > kMaxEntries) {
            m_error = QStringLiteral("%1 not written: the model's counts ask for more than %2 entries").arg(m_file).arg(kMaxEntries);
            return false;
        }
        m_entries << text;
        return true;
    }
    bool zeros(qint64 n)
    {
        for (qint64 k = 0; k < n; ++k) {
            if (!add(kZero))
                return false;
        }
        return true;
    }
    void endLine()
    {
        m_text += m_entries.join(kSeparator) + QStringLiteral("\r\n");
        m_entries.clear();
    }
    const QString& error() const { return m_error; }
    QByteArray bytes() const { return TextFile::encode(m_text); }

private:
    QString m_file;
    QString m_text;
    QStringList m_entries;
    QString m_error;
    qint64 m_count = 0;
};

// Row i of a block taken with `step` as its column step.
bool addRow(Layout& out, const ModelBlock& b, int number, qint64 i, qint64 cols, qint64 step)
{
    for (qint64 j = 1; j <= cols; ++j) {
        if (!out.add(b, number, (j - 1) * step + i))
            return false;
    }
    return true;
}

// Row m of the diagonal matrix built from a vector block.
bool addDiagonalRow(Layout& out, const ModelBlock& v, int number, qint64 m)
{
    for (qint64 j = 1; j <= v.rows; ++j) {
        if (j == m) {
            if (!out.add(v, number, m))
                return false;
        } else if (!out.add(kZero)) {
            return false;
        }
    }
    return true;
}

bool layoutMdata(const QuasiModalModel& m, Layout& out)
{
    const ModelBlock &b1 = m.block[1], &b2 = m.block[2], &b3 = m.block[3];
    for (qint64 i = 1; i <= b1.rows; ++i) {
        if (!addRow(out, b1, 1, i, b1.cols, b1.rows) || !addRow(out, b2, 2, i, b2.cols, b1.rows))
            return false;
        out.endLine();
    }
    for (qint64 mm = 1; mm <= b3.rows; ++mm) {
        for (qint64 k = (mm - 1) * b2.rows + 1; k <= mm * b2.rows; ++k) {
            if (!out.add(b2, 2, k))
                return false;
        }
        if (!addDiagonalRow(out, b3, 3, mm))
            return false;
        out.endLine();
    }
    return true;
}

bool layoutKdata(const QuasiModalModel& m, Layout& out)
{
    const ModelBlock &b4 = m.block[4], &b5 = m.block[5];
    for (qint64 i = 1; i <= b4.rows; ++i) {
        if (!addRow(out, b4, 4, i, b4.cols, b4.rows) || !out.zeros(b5.rows))
            return false;
        out.endLine();
    }
    for (qint64 mm = 1; mm <= b5.rows; ++mm) {
        if (!out.zeros(b4.cols) || !addDiagonalRow(out, b5, 5, mm))
            return false;
        out.endLine();
    }
    return true;
}

bool layoutGdata(const QuasiModalModel& m, Layout& out)
{
    const ModelBlock &b6 = m.block[6], &b7 = m.block[7], &b8 = m.block[8];
    for (qint64 i = 1; i <= b6.rows; ++i) {
        if (!addRow(out, b6, 6, i, b6.cols, b6.rows) || !addRow(out, b7, 7, i, b7.cols, b6.rows))
            return false;
        out.endLine();
    }
    // The lower part has as many lines as block 3 has values.
    for (qint64 mm = 1; mm <= m.block[3].rows; ++mm) {
        for (qint64 k = (mm - 1) * b7.rows + 1; k <= mm * b7.rows; ++k) {
            if (!out.add(b7, 7, k))
                return false;
        }
        if (!addRow(out, b8, 8, mm, b8.cols, b8.rows))
            return false;
        out.endLine();
    }
    return true;
}

} // namespace

std::vector<MatrixFile> FormatMatrixFiles(const QuasiModalModel& m, QString* error)
{
    std::vector<MatrixFile> files;
    using LayoutStep = bool (*)(const QuasiModalModel&, Layout&);
    const std::pair<const char*, LayoutStep> matrices[] = {
        { "mdata16.dat", layoutMdata },
        { "kdata16.dat", layoutKdata },
        { "gdata16.dat", layoutGdata },
    };
    for (const auto& [name, step] : matrices) {
        Layout out { QString::fromLatin1(name) };
        if (!step(m, out)) {
            if (error)
                *error = out.error();
            return files;
        }
        files.push_back({ QString::fromLatin1(name), out.bytes() });
    }

    QByteArray zzahyo;
    for (float z : m.Z)
        zzahyo += NumberText::printed(double(z), NumberText::kSingleDigits).toLatin1() + "\r\n";
    files.push_back({ QStringLiteral("zzahyo.dat"), zzahyo });

    QByteArray ttmsnd;
    for (const std::vector<float>& row : m.T) {
        for (float v : row)
            ttmsnd += kSeparator.toLatin1() + general(v).toLatin1();
        ttmsnd += "\r\n";
    }
    files.push_back({ QStringLiteral("ttmsnd.dat"), ttmsnd });
    files.push_back({ QStringLiteral("fc.dat"), TextFile::encode(m.title) + "\r\n" });
    return files;
}

ExportResult ExportMatrices(const QString& modelPath, const QString& outDir)
{
    const QString path = modelPath.isEmpty() ? HostPaths::resolve(QStringLiteral("c:\\Kavel\\data\\lendrix.mac")) : modelPath;
    const QString dir = outDir.isEmpty() ? HostPaths::resolve(QStringLiteral("c:\\Kavel\\data\\")) : outDir;
    ExportResult result;
    QuasiModalModel model;
    const ReaderDiagnostic diagnostic = ReadQuasiModalModel(path, model);
    if (!diagnostic.complete()) {
        result.error = diagnostic.toString();
        return result;
    }
    QString layoutError;
    const std::vector<MatrixFile> files = FormatMatrixFiles(model, &layoutError);
    for (const MatrixFile& file : files) {
        const QString target = QDir(dir).filePath(file.name);
        result.error = AtomicFile::replace(target, file.bytes);
        if (!result.error.isEmpty())
            return result;
        result.written << target;
    }
    if (!layoutError.isEmpty())
        result.error = QStringLiteral("%1: %2").arg(path, layoutError);
    return result;
}

} // namespace kavel
