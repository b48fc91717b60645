#pragma once

#include "framework/reading/readerdiagnostic.h"
#include "framework/results/resultinputs.h"
#include "framework/results/resultrow.h"
#include "framework/results/resultsstate.h"
#include "framework/settings/chartsettings.h"
#include "windowaction.h"

#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace kavel {

class DrawingSurface;
class EditDialog;
class RecordingSurface;

// What differs between viewers in the common main window: captions, the
// fixed files, what each key does. Paths are the logical names under
// C:\Kavel\ (HostPaths maps them onto the host).
struct ViewerIdentity {
    QString program;             // "SAVLEN": names the single-instance lock
    QString exportName;          // "savlen": the name kavel-export takes
    QString mainCaption;         // "SAVLEN/D  Drawing"
    QString fileDialogCaption;   // "SAVLEN/F File Open"
    QString editCaption;         // "SAVLEN/E  Editing rotor model"
    QString defaultDataFile;     // "c:\Kavel\data\savlen.mac"
    QString outlineFile;         // the rotor model read beside the result, or empty
    QString settingsDirectory;   // "c:\Kavel\Gavrine\savlen\"
    QString workingFile;         // "savlen.tmp"
    QString factoryFile;         // "savlen.org"
    QString defaultCaption = QStringLiteral("5:Default");
    KeyTable keys;               // the typed characters the main window answers
};

// A chart viewer's logic: its settings record, its data and its two chart
// handlers. The main window (ViewerWindow) and the chart export drive it;
// it never touches a widget except to create its editing dialog.
class Viewer {
public:
    virtual ~Viewer() = default;

    virtual const ViewerIdentity& identity() const = 0;

    // The item list of the settings file over this viewer's record.
    virtual SettingsLayout settingsLayout() = 0;

    // Reads a result file into memory, replacing what it replaces (the
    // readers stop silently at the first failure and keep what they read).
    virtual ReaderDiagnostic readData(const QString& hostPath) = 0;
    // Reads the fixed rotor model file some viewers draw beside their result;
    // viewers without one accept nothing.
    virtual ReaderDiagnostic readOutline(const QString& hostPath);

    // "3:Plot": clears the picture area and draws the chart.
    void plot(DrawingSurface& screen);
    // "4:Print": the same chart on one landscape page, ended in every case.
    void print(DrawingSurface& printer);
    // The chart on either surface, opened and closed by DrawChartPage.
    virtual void drawChart(DrawingSurface& surface) = 0;

    // Sets an in-memory option by its name ("ShowNumbers", values "1");
    // false for a name or value the viewer does not know.
    //
    // How settings items and options are named, for every viewer: a settings
    // item (the members a viewer's settings layout lists) and an option each
    // carry the name of the variable they stand for in the original design,
    // spelt as that design spells it: its record fields "FrameWidth", "Xmin",
    // "zMin", its variables "ShowNumbers", "ChartMode", "modeShown",
    // "curveFlags". That is why some are capitalised and some are not; none
    // is renamed to match the others, as command lines use them.
    // An option's values are the variable's elements in index order. Only a
    // variable the original design has no name for gets one of its own, in
    // lower camelCase (Lendrix's "modeFlags", MIRNOK's "phase").
    virtual bool setOption(const QString& name, const QStringList& values);
    // The options setOption takes, one "NAME=VALUES" text each
    // ("ShowNumbers=0|1"), as the export's usage lists them; none by default.
    virtual QStringList optionUsage() const;
    // "NAME=0|1,… (count values)": an option of a row of check boxes.
    static QString flagsUsage(const QString& name, int count);

    // The engineering results of the data read, from `resultInputs`: the
    // rows the report and the results panel list. A row's colour is that of
    // its curve as the chart now draws it.
    virtual ResultRows results() const = 0;
    // Which results inputs the viewer takes; none by default.
    virtual ResultInputKinds resultInputKinds() const;
    // In memory; kept between starts in the results file.
    ResultInputs resultInputs;
    // The results file: "<exportName>.results" beside the working settings.
    QString resultsStatePath() const;
    // Reads the results file into `resultInputs` (what it lacks or cannot
    // give stays as it is) and returns all it holds.
    ResultsState readResultsState();
    // Sets a results input by its option name ("orders"): nullopt when the
    // name is none of this viewer's inputs, else empty when set or why the
    // values do not fit.
    std::optional<QString> setResultOption(const QString& name, const QStringList& values);
    // The options the export takes: the viewer's own, then its results
    // inputs.
    QStringList exportOptionUsage() const;

    // The editing dialog "2:Edit" opens, on the in-memory settings.
    virtual EditDialog* createEditDialog(QWidget* parent) = 0;

    // What a chart just drawn on `chart` covers, for a chart that reaches
    // past the common chart region (x 0..30, y 0..21 cm): the picture and
    // the image exports then show it all, and a page that cannot hold it in
    // centimetres is scaled down to fit. Nullopt (the default) keeps the
    // common region and the page in centimetres.
    virtual std::optional<QRectF> drawnRegion(const RecordingSurface& chart) const;

    // The chart's animation for the export: one cycle of frames as the
    // window's timer draws them, each drawn whole on `screen` (cleared
    // first) and then handed on by `frameDone`. Returns the number of
    // frames; a still chart (the default) draws none.
    virtual int drawAnimation(DrawingSurface& screen, const std::function<void()>& frameDone);

    // The comment line of the data file read (the chart prints it at its
    // top left); empty before any.
    virtual QString fileComment() const { return {}; }

    // The data file path: the default at start, replaced by the file dialog.
    QString dataPath;

    // Host paths of the settings files and the default data file.
    QString workingSettingsPath() const;
    QString factorySettingsPath() const;
    QString defaultDataPath() const;
    QString outlinePath() const;

    // The readers, through which the window and the export read, so that
    // each reading is remembered in `readings`.
    ReaderDiagnostic loadData(const QString& hostPath);
    ReaderDiagnostic loadOutline(const QString& hostPath);
    ReaderDiagnostic readSettings(const QString& hostPath);

    // How far the last reading of each file went: the charts stay silent
    // about a file that breaks off, but a user who asks learns where.
    struct Readings {
        ReaderDiagnostic settings;
        ReaderDiagnostic outline; // empty file name: no outline read
        ReaderDiagnostic data;
    };
    Readings readings;
    // One line a file read, the data file first; empty before any reading.
    QString readingReport() const;
    // Whether every file read went to its end.
    bool readingsComplete() const;
    // Empty on success, else a message naming the file.
    QString writeSettings(const QString& hostPath);
    // "5:Default": the factory file copied over the working file. A viewer
    // whose installation keeps its factory file elsewhere overrides it.
    // Empty on success, else a message naming the file.
    virtual QString restoreFactorySettings();

    // The start-up of a viewer without its window: the working settings,
    // then the default data file (and the rotor outline where there is one).
    void load();
};

} // namespace kavel
