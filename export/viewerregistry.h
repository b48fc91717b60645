#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace kavel {

class Viewer;

// The viewers the chart export can drive, by the name the command line
// takes. A viewer joins in two places: its line in viewerregistry.cpp and its
// library in export/CMakeLists.txt. Its --option names follow the naming rule
// at Viewer::setOption (framework/viewer.h).
namespace ViewerRegistry {

using Factory = std::function<std::unique_ptr<Viewer>()>;

// Every viewer of the suite, built or not, in menu order.
QStringList suiteViewers();
// The viewers this build can export.
QStringList builtViewers();
// A new viewer of that name, or nullptr when it is not built.
std::unique_ptr<Viewer> create(const QString& name);

} // namespace ViewerRegistry

} // namespace kavel
