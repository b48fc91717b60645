#include "settingsrecords.h"

#include "export/viewerregistry.h"

#include <cmath>
#include <limits>

namespace kavel::test {

namespace {

void changeEveryItem(Viewer& viewer)
{
    const SettingsLayout layout = viewer.settingsLayout();
    for (const SettingsLayout::Line& line : layout.lines()) {
        if (line.text)
            *line.text += QStringLiteral(" (2)");
        for (const SettingsLayout::NumberItem& item : line.numbers) {
            if (double* const* number = std::get_if<double*>(&item))
                **number = std::isfinite(**number) ? **number + 1 : 1;
            else if (float* const* single = std::get_if<float*>(&item))
                **single = std::isfinite(**single) ? **single + 1 : 1;
            else if (qint16* value = *std::get_if<qint16*>(&item); *value < std::numeric_limits<qint16>::max())
                ++*value;
            else
                --*value;
        }
    }
}

} // namespace

RecordPair settingsRecordPair(const QString& viewerName)
{
    RecordPair pair { ViewerRegistry::create(viewerName), ViewerRegistry::create(viewerName) };
    if (!pair.first || !pair.second)
        return {};
    pair.first->readSettings(pair.first->factorySettingsPath());
    pair.second->readSettings(pair.second->factorySettingsPath());
    changeEveryItem(*pair.second);
    return pair;
}

} // namespace kavel::test
