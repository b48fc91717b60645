#pragma once

#include <QString>

namespace kavel {

// The suite names its files by fixed Windows paths under C:\Kavel\ . This is
// the one place that maps them onto the host. The installation root is
// KAVEL_ROOT when set; else the root the running program is installed in
// (see rootAbove); else ~/Kavel. Every path component below the root is
// matched against what exists without regard to letter case, so that
// "C:\Kavel\Gavrine\WESPAR\wespar.tmp" and "c:\kavel\gavrine\wespar\" meet.
// Paths that are not under C:\Kavel\ are taken as host paths.
class HostPaths {
public:
    static QString root();

    // The root a program in `programDirectory` belongs to: the nearest of
    // that folder and the two above it that holds a folder "Gavrine" (any
    // letter case). An install puts the launcher and kavel-export in the
    // root and each viewer in Gavrine/<dir>/; looking no higher keeps a
    // program elsewhere (a build tree) from taking some unrelated folder
    // for a root. "" when there is none.
    static QString rootAbove(const QString& programDirectory);

    // Maps a logical path ("c:\Kavel\data\savlen.mac") onto the host.
    static QString resolve(const QString& logicalPath);

    // Maps a path relative to the root ("Gavrine/savlen/savlen.tmp", either
    // separator) onto the host, matching components without regard to case.
    static QString underRoot(const QString& relativePath);
};

} // namespace kavel
