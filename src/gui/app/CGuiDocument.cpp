#include "gui/app/CGuiDocument.h"

#include <QDir>
#include <QFileInfo>

#include "core/platform/Prompts.h"
#include "gui/common/AppStrings.h"
#include "gui/common/QtText.h"

namespace {
int g_untitledCount = 0;
}

CGuiDocument::CGuiDocument(QObject* parent) : QObject(parent) {}

CGuiDocument::~CGuiDocument() = default;

bool CGuiDocument::OnNewDocument() {
    if (!m_doc.OnNewDocument()) {
        return false;
    }
    m_pathName.clear();
    m_title = AppString(IDS_DEFAULT_DOCUMENT_NAME) + QString::number(++g_untitledCount);
    emit TitleChanged();
    return true;
}

bool CGuiDocument::OnOpenDocument(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!m_doc.OnOpenDocument(absolute.toStdString())) {
        return false;
    }
    SetPathName(absolute);
    emit PathUsed(absolute);
    return true;
}

void CGuiDocument::SetModifiedFlag(bool modified) {
    m_doc.SetModifiedFlag(modified);
    RefreshModified();
}

void CGuiDocument::RefreshModified() {
    if (m_shownModified != m_doc.IsModified()) {
        m_shownModified = m_doc.IsModified();
        emit ModifiedChanged(m_shownModified);
    }
}

bool CGuiDocument::DoFileSave() {
    if (m_pathName.isEmpty()) {
        return DoFileSaveAs();
    }
    return DoSave(m_pathName);
}

bool CGuiDocument::DoFileSaveAs() {
    FileChoice choice;
    choice.filter = ToBytes(AppString(IDS_DOCUMENT_FILTER));
    choice.defaultExtension = ToBytes(AppString(IDS_DOCUMENT_EXTENSION));
    choice.confirmOverwrite = true;
    std::string path = m_pathName.isEmpty()
                           ? ToBytes(m_title + QLatin1Char('.') + AppString(IDS_DOCUMENT_EXTENSION))
                           : m_pathName.toStdString();
    if (!ChooseSaveFile(choice, path)) {
        return false;
    }
    return DoSave(QString::fromStdString(path));
}

bool CGuiDocument::DoSave(const QString& path) {
    if (!m_doc.OnSaveDocument(QFileInfo(path).absoluteFilePath().toStdString())) {
        return false;
    }
    SetPathName(QFileInfo(path).absoluteFilePath());
    RefreshModified();
    emit PathUsed(m_pathName);
    return true;
}

bool CGuiDocument::SaveModified() {
    if (!m_doc.IsModified()) {
        return true;
    }
    const QString name = m_pathName.isEmpty() ? m_title : QFileInfo(m_pathName).fileName();
    const std::string question =
        FormatMessageText(ToBytes(AppString(IDS_ASK_TO_SAVE)), {ToBytes(name)});
    IPrompts* prompts = GetPrompts();
    const MessageAnswer answer =
        prompts != nullptr
            ? prompts->ShowMessage(question, MessageIcon::Warning, MessageButtons::YesNoCancel)
            : MessageAnswer::Cancel;
    switch (answer) {
        case MessageAnswer::Yes:
            return DoFileSave();
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

void CGuiDocument::SetPathName(const QString& path) {
    m_pathName = path;
    m_title = QFileInfo(path).fileName();
    emit TitleChanged();
}
