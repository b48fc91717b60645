#pragma once

#include "framework/reading/readerdiagnostic.h"
#include "framework/results/resultinputs.h"
#include "framework/results/resultrow.h"
#include "framework/results/resultsstate.h"
#include "framework/settings/chartsettings.h"
#include "vieweroptions.h"
#include "windowaction.h"

#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>

class QWidget;

namespace kavel {

class DrawingSurface;
class EditDialog;
class RecordingSurface;
struct RotorModel;

// What differs between viewers in the common main window: captions, the
// fixed files, what each key does. Paths are the logical names under
// C:\Kavel\ (HostPaths maps them onto the host); a viewer's files are named
// for the program in lower case unless it names them otherwise.
struct ViewerIdentity {
    QString program;             // "SAVLEN": names the single-instance lock
    QString mainCaption;         // "SAVLEN/D  Drawing"
    QString fileDialogCaption;   // "SAVLEN/F File Open"
    QString editCaption;         // "SAVLEN/E  Editing rotor model"
    KeyTable keys {};            // the typed characters the main window answers
    QString defaultCaption = QStringLiteral("5:Default");
    QString dataName {};         // the default data file's name, "zeptala"
    QString settingsName {};     // the settings directory's and files' name, "valdens"
    bool readsOutline = false;   // the rotor model c:\Kavel\data\savlen.mac beside the result

    QString exportName() const;        // "savlen": the name kavel-export takes
    QString defaultDataFile() const;   // "c:\Kavel\data\savlen.mac"
    QString outlineFile() const;       // the rotor model read beside the result, or empty
    QString settingsDirectory() const; // "c:\Kavel\Gavrine\savlen\"
    QString workingFile() const;       // "savlen.tmp"
    QString factoryFile() const;       // "savlen.org"
    QString settingsStem() const;      // the settings name, else the export name
};

// A chart viewer's logic: its settings record, its data and its two chart
// handlers. The main window (ViewerWindow) and the chart export drive it;
// it never touches a widget except to create its editing dialog.
//
// What every viewer has in common is bound once, by its constructor: the
// identity, the settings record and the model its reader fills (bind), the
// editing dialog (opensDialog), the options (options) and the results
// inputs (takesResultInputs). A viewer overrides only what it draws and
// computes, and the readings that are its own.
class Viewer {
public:
    explicit Viewer(ViewerIdentity identity);
    virtual ~Viewer() = default;
    Viewer(const Viewer&) = delete;
    Viewer& operator=(const Viewer&) = delete;

    const ViewerIdentity& identity() const { return m_identity; }

    // The item list of the settings file over this viewer's record.
    SettingsLayout settingsLayout() { return m_settingsLayout(); }

    // Reads a result file into memory, replacing what it replaces (the
    // readers stop silently at the first failure and keep what they read):
    // by default the reader bound with the model.
    virtual ReaderDiagnostic readData(const QString& hostPath);
    // Reads the rotor model file some viewers draw beside their result: by
    // default into the outline bound with bindOutline, whose file it then
    // remembers; viewers without one accept nothing.
    virtual ReaderDiagnostic readOutline(const QString& hostPath);

    // "3:Plot": clears the picture area and draws the chart.
    void plot(DrawingSurface& screen);
    // "4:Print": the same chart on one landscape page, ended in every case.
    void print(DrawingSurface& printer);
    // The chart on either surface, opened and closed by DrawChartPage.
    virtual void drawChart(DrawingSurface& surface) = 0;

    // Sets an in-memory option by its name ("ShowNumbers", values "1");
    // false for a name or value the viewer does not know. The options are
    // the table `options` the constructor fills.
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
    bool setOption(const QString& name, const QStringList& values) { return options.set(name, values); }
    // The options setOption takes, one "NAME=VALUES" text each
    // ("ShowNumbers=0|1"), as the export's usage lists them; none by default.
    QStringList optionUsage() const { return options.usage(); }

    // The engineering results of the data read, from `resultInputs`: the
    // rows the report and the results panel list. A row's colour is that of
    // its curve as the chart now draws it.
    virtual ResultRows results() const = 0;
    // Which results inputs the viewer takes; none by default.
    ResultInputKinds resultInputKinds() const { return m_resultInputKinds; }
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
    EditDialog* createEditDialog(QWidget* parent) { return m_editDialog(parent); }

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
    QString fileComment() const { return m_fileComment ? *m_fileComment : QString(); }

    // The data file path: the default at start, replaced by the file dialog.
    QString dataPath;

    // Host paths of the settings files and the default data file.
    QString workingSettingsPath() const;
    QString factorySettingsPath() const;
    QString defaultDataPath() const;
    QString outlinePath() const;
    // The rotor model file the outline comes from: the fixed one until
    // readOutline names another (the file dialog's "savlen" choice).
    QString outlineInUse;

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

protected:
    // The settings record the settings files hold, and the model the data
    // file is read into: its comment is the chart's file comment. `read` is
    // the model's reader, read(hostPath, model), or a reading of the
    // viewer's own, read(hostPath); with none the viewer's own readData
    // reads the file.
    template <class Settings, class Model, class Read = std::nullptr_t>
    void bind(Settings& settings, Model& model, Read read = nullptr)
    {
        m_settingsLayout = [&settings] { return settings.layout(); };
        m_fileComment = &model.FileComment;
        if constexpr (std::is_invocable_r_v<ReaderDiagnostic, Read, const QString&, Model&>)
            m_readModel = [&model, read](const QString& hostPath) { return read(hostPath, model); };
        else if constexpr (!std::is_null_pointer_v<Read>)
            m_readModel = std::move(read);
    }
    // The editing dialog "2:Edit" opens: a Dialog(viewer, parent).
    template <class Dialog, class Self>
    void opensDialog(Self& self)
    {
        m_editDialog = [&self](QWidget* parent) -> EditDialog* { return new Dialog(self, parent); };
    }
    void opensDialog(std::function<EditDialog*(QWidget* parent)> create) { m_editDialog = std::move(create); }
    void takesResultInputs(ResultInputKinds kinds) { m_resultInputKinds = kinds; }
    // The rotor model the default readOutline reads into.
    void bindOutline(RotorModel& outline) { m_outline = &outline; }

    ViewerOptions options;

private:
    ViewerIdentity m_identity;
    std::function<SettingsLayout()> m_settingsLayout;
    std::function<ReaderDiagnostic(const QString&)> m_readModel;
    std::function<EditDialog*(QWidget*)> m_editDialog;
    const QString* m_fileComment = nullptr;
    RotorModel* m_outline = nullptr;
    ResultInputKinds m_resultInputKinds {};
};

} // namespace kavel
