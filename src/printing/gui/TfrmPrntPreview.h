#pragma once

#include "catalogs/gui/CommandIcons.h"
#include "printing/DisplayList.h"

#include <QDialog>
#include <QStyle>
#include <functional>

class QAction;
class QScrollArea;
class PreviewPageView;

// The pages of one preview run: page through them, zoom, print the same request again,
// close.
class TfrmPrntPreview : public QDialog {
    Q_OBJECT

public:
    // `print` prints the request again; the window stays open.
    TfrmPrntPreview(const QString& caption, DisplayDocument pages, std::function<void()> print,
                    QWidget* parent = nullptr);

    int currentPage() const { return m_currentPage; }
    int pageCount() const { return static_cast<int>(m_pages.pages.size()); }
    int zoom() const;

    void pShowFormInformation();
    void pSetMenuButtons();
    void pSelectAPageToView(bool next);

private slots:
    void actPrintExecute();
    void actZoomInExecute();
    void actZoomOutExecute();
    void actPreviousPageExecute();
    void actNextPageExecute();

private:
    QAction* makeAction(const QString& name, const QString& caption, CommandIcons::Kind kind);
    void showCurrentPage();

    DisplayDocument m_pages;
    std::function<void()> m_print;
    int m_currentPage = 1;
    QScrollArea* m_scrollBox;
    PreviewPageView* m_view;
    QAction* m_actClose;
    QAction* m_actPrint;
    QAction* m_actZoomIn;
    QAction* m_actZoomOut;
    QAction* m_actPreviousPage;
    QAction* m_actNextPage;
};
