#include "testroot.h"

#include "application.h"

#include <gtest/gtest.h>

namespace kavel::test {

TestRoot::TestRoot()
    : m_previousRoot(qgetenv("KAVEL_ROOT"))
{
    ensureApplication();
    if (!m_dir.isValid())
        return;
    m_copied = copyFiles(QStringLiteral(KAVEL_SAMPLE_ROOT), m_dir.path());
    qputenv("KAVEL_ROOT", m_dir.path().toUtf8());
}

TestRoot::~TestRoot()
{
    qputenv("KAVEL_ROOT", m_previousRoot);
}

QString TestRoot::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

QByteArray TestRoot::read(const QString& relative) const
{
    return fileBytes(path(relative));
}

bool TestRoot::write(const QString& relative, const QByteArray& bytes, FileMode mode) const
{
    const bool written = writeFile(path(relative), bytes, mode);
    EXPECT_TRUE(written) << "cannot write " << path(relative).toStdString();
    return written;
}

} // namespace kavel::test
