#include "shell/project_session.h"

#include "common/file_io.h"
#include "common/file_limits.h"
#include "project/project_file.h"
#include "trim/data_files.h"
#include "widgets/error_display.h"
#include "widgets/file_dialogs.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include <filesystem>

namespace hullcalc {

namespace {

constexpr int recentFileCount = 5;
const char* const recentFilesKey = "recentFiles";
const QString projectFiles = QStringLiteral("Проекты (*.hullcalc);;Текстовые файлы (*.txt);;Все файлы (*)");

std::filesystem::path toPath(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

ProjectSession::Answer askWithMessageBox(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, "Удифферентовка", "Сохранить изменения?", QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton("Сохранить", QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton("Не сохранять", QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton("Отмена", QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return ProjectSession::Answer::Save;
    return box.clickedButton() == discard ? ProjectSession::Answer::Discard : ProjectSession::Answer::Cancel;
}

QString chooseWithDialog(QWidget* parent, bool forSaving)
{
    if (!forSaving)
        return chooseFileToOpen(parent, "Открыть проект", projectFiles);
    return chooseFileToSave(parent, "Сохранить проект", projectFiles, "hullcalc");
}

}  // namespace

ProjectSession::ProjectSession(Document& document, const ErrorDisplay& errors, QObject* parent)
    : QObject(parent), document_(document), errors_(errors), ask_(&askWithMessageBox), chooseFile_(&chooseWithDialog)
{
    connect(&undo_, &QUndoStack::cleanChanged, this, &ProjectSession::stateChanged);
    // Typing, paste, "Очистка", "Пример", loading, undo and redo of the tables
    // and the section inertias all move the undo history.
    connect(&undo_, &QUndoStack::indexChanged, this, &ProjectSession::inputChanged);
}

void ProjectSession::inputChanged()
{
    if (calculated_)
        setResultsOutdated(true);
}

void ProjectSession::calculationRan()
{
    calculated_ = true;
    setResultsOutdated(false);
}

void ProjectSession::setResultsOutdated(bool outdated)
{
    if (resultsOutdated_ == outdated)
        return;
    resultsOutdated_ = outdated;
    emit resultsOutdatedChanged(outdated);
}

QString ProjectSession::fileName() const { return path_.isEmpty() ? QString() : QFileInfo(path_).fileName(); }

void ProjectSession::markChanged()
{
    inputChanged();
    if (otherChanges_)
        return;
    otherChanges_ = true;
    emit stateChanged();
}

void ProjectSession::markTitleChanged()
{
    if (otherChanges_)
        return;
    otherChanges_ = true;
    emit stateChanged();
}

bool ProjectSession::mayDiscardChanges(QWidget* parent)
{
    if (!isModified())
        return true;
    switch (ask_(parent)) {
    case Answer::Save:
        return save(parent);
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void ProjectSession::openWithDialog(QWidget* parent)
{
    if (!mayDiscardChanges(parent))
        return;
    const QString name = chooseFile_(parent, false);
    if (!name.isEmpty())
        open(name, parent);
}

bool ProjectSession::open(const QString& path, QWidget* parent)
{
    // Read everything first: a file that fails changes nothing.
    Project project;
    bool isProject = false;
    const bool read = errors_.run(parent, [&] {
        const std::string bytes = readFileBytes(toPath(path), maxShipFileBytes);
        isProject = looksLikeProject(bytes);
        if (isProject) {
            project = readProject(bytes);
        } else {
            project.input = document_.trim.input;
            loadInputFile(toPath(path), project.input);
        }
    });
    if (!read) {
        // A file that is gone leaves the recent files with its message.
        if (!QFileInfo::exists(path))
            forgetRecent(path);
        return false;
    }

    if (isProject) {
        const std::optional<ShipType> chosenType = document_.particulars.shipType;
        document_.particulars = project.particulars;
        if (!document_.particulars.shipType)
            document_.particulars.shipType = chosenType;
        if (project.sectionInertia)
            document_.vibration.sectionInertia = *project.sectionInertia;
        document_.strengthInput = project.strength.value_or(StrengthInput{});
        document_.title = project.title;
        document_.vibrationOptions = project.vibrationOptions.value_or(VibrationOptions{});
    }
    document_.trim.input = project.input;
    forgetRun(document_);
    undo_.clear();
    otherChanges_ = false;
    calculated_ = false;
    setResultsOutdated(false);
    setPath(isProject ? path : QString());
    sourceDataFile_ = isProject ? QString() : QFileInfo(path).absoluteFilePath();
    // A data file's folder is where the user works too.
    setProjectFolder(QFileInfo(path).absolutePath());
    rememberRecent(path);
    emit documentReplaced();
    emit stateChanged();
    return true;
}

bool ProjectSession::save(QWidget* parent) { return path_.isEmpty() ? saveAs(parent) : saveTo(path_, parent); }

bool ProjectSession::saveAs(QWidget* parent)
{
    const QString name = chooseFile_(parent, true);
    return !name.isEmpty() && saveTo(name, parent);
}

bool ProjectSession::saveTo(const QString& path, QWidget* parent)
{
    if (!sourceDataFile_.isEmpty() && isSameFile(toPath(path), toPath(sourceDataFile_))) {
        errors_.show(parent, "Проект не сохранен: вывод совпадает с входным файлом: " + sourceDataFile_
                                 + "\nЭто открытый файл исходных данных; выберите другое имя.");
        return false;
    }
    Project project;
    project.particulars = document_.particulars;
    project.input = document_.trim.input;
    project.sectionInertia = document_.vibration.sectionInertia;
    project.strength = document_.strengthInput;
    project.title = document_.title;
    // Kept only where the user changed them, so that a project of defaults stays as it was.
    if (document_.vibrationOptions != VibrationOptions{})
        project.vibrationOptions = document_.vibrationOptions;
    if (!errors_.run(parent, [&] { saveProjectFile(toPath(path), project); }))
        return false;
    undo_.setClean();
    otherChanges_ = false;
    setPath(path);
    rememberRecent(path);
    emit stateChanged();
    return true;
}

void ProjectSession::setPath(const QString& path)
{
    path_ = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    if (!path_.isEmpty())
        setProjectFolder(QFileInfo(path_).absolutePath());
}

QStringList ProjectSession::recentFiles() const { return QSettings().value(recentFilesKey).toStringList(); }

void ProjectSession::rememberRecent(const QString& path)
{
    QStringList files = recentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > recentFileCount)
        files.removeLast();
    QSettings().setValue(recentFilesKey, files);
    emit recentFilesChanged(files);
}

void ProjectSession::forgetRecent(const QString& path)
{
    QStringList files = recentFiles();
    if (files.removeAll(QFileInfo(path).absoluteFilePath()) == 0)
        return;
    QSettings().setValue(recentFilesKey, files);
    emit recentFilesChanged(files);
}

void ProjectSession::setQuestion(Question question)
{
    ask_ = question ? std::move(question) : Question(&askWithMessageBox);
}

void ProjectSession::setFileChooser(FileChooser chooser)
{
    chooseFile_ = chooser ? std::move(chooser) : FileChooser(&chooseWithDialog);
}

}  // namespace hullcalc
