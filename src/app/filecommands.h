#pragma once

#include <QString>

class QWidget;
struct DataFileResult;
class TDesktop;
class TMaindb;

// What the file commands ask of the main window after the document changed.
class TDocumentViews {
public:
    virtual ~TDocumentViews() = default;
    // Status bar panels and the caption with the file name.
    virtual void StatusRefresh() = 0;
    virtual void RefreshViews(int kind) = 0;
    virtual void RebuildTree() = 0;
};

// New, Open, Save and Save As, and the document's current file name.
class TFileCommands {
public:
    TFileCommands(TMaindb& db, TDesktop& desktop, TDocumentViews& views, QWidget* dialogParent);

    // Offers to save unsaved edits, then starts a new image of the current model.
    void New();
    // Offers to save unsaved edits, then reads a data file. A file that cannot be opened,
    // or is not a data file of a known model, changes nothing at all: image, model, band,
    // the file name and the changed flag stay as they were.
    void Open();
    // Writes the current file, or asks for a name first. The name becomes the document's
    // only once the file is written. False when nothing was written.
    bool Save();
    // Forgets the current file name, then saves under a name the user chooses.
    bool SaveAs();

    const QString& FileName() const { return fileName_; }
    void ClearFileName() { fileName_.clear(); }

    // The file dialogs' filter.
    static QString Filter();
    // A name typed without extension gets ".dat".
    static QString WithDataExtension(const QString& path);

private:
    void OfferSave();
    // The file's name and what went wrong: the system's own words for a file error.
    void ShowFailure(const QString& path, const DataFileResult& result);

    TMaindb& db_;
    TDesktop& desktop_;
    TDocumentViews& views_;
    QWidget* dialogParent_;
    QString fileName_;
};
