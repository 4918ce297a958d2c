// The document as a file the user works on: its undo history, whether it has
// changes not yet saved, the project file it came from, opening and saving,
// the question before changes are given up, and the files opened last.
#pragma once

#include "shell/document.h"

#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <functional>

class QWidget;

namespace hullcalc {

class ErrorDisplay;

class ProjectSession : public QObject {
    Q_OBJECT

public:
    // Files that cannot be read or written are reported on `errors`.
    ProjectSession(Document& document, const ErrorDisplay& errors, QObject* parent = nullptr);

    QUndoStack& undoStack() { return undo_; }
    bool isModified() const { return !undo_.isClean() || otherChanges_; }
    // The project file's name without its folder, or empty for a new document.
    QString fileName() const;

    // The particulars, the ship type or the section inertias were edited
    // (changes the undo history does not hold).
    void markChanged();

    // Whether the input changed since the last calculation, so that the
    // results shown rest on other data. Set by every change of the input once
    // a calculation has run, cleared by the next one and by opening a file.
    bool resultsOutdated() const { return resultsOutdated_; }
    void inputChanged();
    void calculationRan();

    // Before changes would be lost: true when there are none, or when the user
    // saves them or gives them up; false when the user cancels (or saving fails).
    bool mayDiscardChanges(QWidget* parent);

    // "Открыть проект…" and a file from the command line or the recent files:
    // a project file, or an old input data file (its offsets and masses).
    // Shows the failure and changes nothing when the file cannot be read.
    void openWithDialog(QWidget* parent);
    bool open(const QString& path, QWidget* parent);

    // "Сохранить проект" (as before, or asking for a name the first time) and
    // "Сохранить проект как…". Show the failure; return whether it was saved.
    bool save(QWidget* parent);
    bool saveAs(QWidget* parent);

    QStringList recentFiles() const;

    // The user's answer to «Сохранить изменения?»; tests answer without a dialog.
    enum class Answer { Save, Discard, Cancel };
    using Question = std::function<Answer(QWidget* parent)>;
    void setQuestion(Question question);
    // A file name for opening (forSaving false) or saving; empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, bool forSaving)>;
    void setFileChooser(FileChooser chooser);

signals:
    // Whether there are unsaved changes, or the file name, changed.
    void stateChanged();
    // A file was opened: the windows show the document anew.
    void documentReplaced();
    void recentFilesChanged(const QStringList& files);
    void resultsOutdatedChanged(bool outdated);

private:
    bool saveTo(const QString& path, QWidget* parent);
    void rememberRecent(const QString& path);
    void forgetRecent(const QString& path);
    void setPath(const QString& path);
    void setResultsOutdated(bool outdated);

    Document& document_;
    const ErrorDisplay& errors_;
    QUndoStack undo_;
    bool otherChanges_ = false;
    bool calculated_ = false;  // a calculation ran on this document
    bool resultsOutdated_ = false;
    QString path_;
    // The input data file the document was opened from, if it was: saving the
    // project over it would replace the user's data file with a project.
    QString sourceDataFile_;
    Question ask_;
    FileChooser chooseFile_;
};

}  // namespace hullcalc
