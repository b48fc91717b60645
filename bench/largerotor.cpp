#include "largerotor.h"

#include "largefiles.h"


namespace kavel {

const QString& largeRotorModelText()
{
    return LargeFiles::rotorModel();
}

const RotorModel& largeRotorModel()
{
    static const RotorModel model = [] {
        RotorModel m;
        ReadRotorModelText(QStringLiteral("bench"), largeRotorModelText(), m);
        return m;
    }();
    return model;
}

} // namespace kavel
