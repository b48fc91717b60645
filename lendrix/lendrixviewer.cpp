#include "lendrixviewer.h"

#include "lendrixeditdialog.h"
#include "lendrixresults.h"

#include "framework/reading/numberparse.h"

namespace kavel {

LendrixViewer::LendrixViewer()
    : Viewer({ .program = QStringLiteral("Lendrix"), .mainCaption = QStringLiteral("Lendrix/D Drawing"), .fileDialogCaption = QStringLiteral("Lendrix/F  File Open"),
          .editCaption = QStringLiteral("Lendrix/E  Editing"), .keys = numberKeys(KeyFive::DoesNothing), .readsOutline = true })
{
    modeFlags[kLendrixAll] = 1;
    // The model file, and beside it the rotor model last named by
    // readOutline (the fixed savlen.mac unless the export names another).
    bind(settings, model, [this](const QString& hostPath) { return ReadLendrixModel(hostPath, outlineInUse, model); });
    bindOutline(model.rotor);
    opensDialog<LendrixEditDialog>(*this);
    // Eleven values, each a 16-bit integer.
    options.add(QStringLiteral("modeFlags"), QStringLiteral("modeFlags=N,... (11 16-bit integers)"), [this](const QStringList& values) {
        if (values.size() != qsizetype(modeFlags.size()))
            return false;
        LendrixModeFlags flags {};
        for (std::size_t k = 0; k < flags.size(); ++k) {
            const std::optional<qint16> flag = NumberParse::strictInt16(values[qsizetype(k)]);
            if (!flag)
                return false;
            flags[k] = *flag;
        }
        modeFlags = flags;
        return true;
    });
}

void LendrixViewer::drawChart(DrawingSurface& surface)
{
    DrawModelChart(surface, settings, model, modeFlags);
}

ResultRows LendrixViewer::results() const
{
    const int columns = int(std::min<qint64>(model.p + model.q, 1 << 16));
    return WithCurveColours(ModalColumnRows(model), QStringLiteral("column"), DrawnCurveColours(columns, [this](int j) { return columnSelected(modeFlags, j); }));
}

} // namespace kavel
