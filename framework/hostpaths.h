#pragma once

#include <QString>

namespace kavel {

// The suite names its files by fixed Windows paths under C:\Kavel\ . This is
// the one place that maps them onto the host: the installation root is
// KAVEL_ROOT when set, else ~/Kavel, and every path component below it is
// matched against what exists without regard to letter case, so that
// "C:\Kavel\Gavrine\WESPAR\wespar.tmp" and "c:\kavel\gavrine\wespar\" meet.
// Paths that are not under C:\Kavel\ are taken as host paths.
class HostPaths {
public:
    static QString root();

    // Maps a logical path ("c:\Kavel\data\savlen.mac") onto the host.
    static QString resolve(const QString& logicalPath);

    // Maps a path relative to the root ("Gavrine/savlen/savlen.tmp", either
    // separator) onto the host, matching components without regard to case.
    static QString underRoot(const QString& relativePath);
};

} // namespace kavel
