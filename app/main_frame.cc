#include "app/main_frame.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>

#include "app/curvesmith_view.h"
#include "res/main_menu.h"
#include "res/resource_ids.h"
#include "res/string_table.h"

namespace curvesmith {
namespace {

constexpr const char* kCaption = "Curvesmith";

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const res::MenuItem* FindMenuItem(std::span<const res::MenuItem> items, int command) {
  for (const res::MenuItem& item : items) {
    if (item.kind == res::MenuItemKind::kCommand && item.command == command) return &item;
    if (const res::MenuItem* found = FindMenuItem(item.children, command)) return found;
  }
  return nullptr;
}

}  // namespace

CMainFrame::CMainFrame(CCurvesmithDoc& document, RunState& state, QWidget* parent)
    : QMainWindow(parent), document_(document), state_(state) {
  setWindowTitle(QString::fromUtf8(kCaption));
  CreateView();
  CreateFileMenu();
  CreateStatusBar();
  ResizeToFitForm();
}

CMainFrame::~CMainFrame() = default;

// The form is a fixed-size page; a window smaller than it scrolls.
void CMainFrame::CreateView() {
  view_ = new CCurvesmithView(document_, state_);
  auto* scroll_area = new QScrollArea;
  scroll_area->setWidget(view_);
  scroll_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll_area->setFrameShape(QFrame::NoFrame);
  setCentralWidget(scroll_area);
  connect(view_, &CCurvesmithView::RunRefused, this, &CMainFrame::Warn);
}

void CMainFrame::CreateFileMenu() {
  struct FileCommand {
    int id;
    void (CMainFrame::*handler)();
    bool separator_before;
  };
  static constexpr FileCommand kFileCommands[] = {
      {res::kIdFileNew, &CMainFrame::OnFileNew, false},
      {res::kIdFileOpen, &CMainFrame::OnFileOpen, false},
      {res::kIdFileSave, &CMainFrame::OnFileSave, false},
      {res::kIdFileSaveAs, &CMainFrame::OnFileSaveAs, false},
      {res::kIdAppExit, &CMainFrame::OnAppExit, true},
  };
  const res::MenuItem& file_popup = res::MainMenu().front();
  QMenu* menu = menuBar()->addMenu(QString::fromUtf8(file_popup.text));
  for (const FileCommand& command : kFileCommands) {
    if (command.separator_before) menu->addSeparator();
    const res::MenuItem* item = FindMenuItem(file_popup.children, command.id);
    QAction* action = menu->addAction(QString::fromUtf8(item->text));
    action->setData(command.id);
    action->setStatusTip(FromUtf8(res::SplitCommandString(res::LoadString(command.id)).prompt));
    connect(action, &QAction::triggered, this, command.handler);
  }
}

// The message pane shows what the form has to say (a field that needs a
// number) or the idle text; menu prompts show over it while the pointer is on
// a menu item.
void CMainFrame::CreateStatusBar() {
  message_pane_ = new QLabel;
  statusBar()->addWidget(message_pane_, 1);
  connect(view_, &CCurvesmithView::StatusTextChanged, this, &CMainFrame::ShowStatusText);
  ShowStatusText(view_->StatusText());
}

void CMainFrame::ResizeToFitForm() {
  resize(view_->width(),
         menuBar()->sizeHint().height() + view_->height() + statusBar()->sizeHint().height());
}

void CMainFrame::ShowStatusText(const QString& text) {
  message_pane_->setText(text.isEmpty() ? FromUtf8(res::LoadString(res::kIdsIdleMessage)) : text);
}

void CMainFrame::OnFileNew() {
  if (document_.OnNewDocument()) view_->OnInitialUpdate();
}

void CMainFrame::OnAppExit() {
  close();
}

void CMainFrame::OnFileOpen() {
  const QString path = QFileDialog::getOpenFileName(this);
  if (!path.isEmpty()) OpenDocumentFile(path);
}

void CMainFrame::OnFileSave() {
  if (document_.PathName().isEmpty()) {
    OnFileSaveAs();
  } else {
    SaveDocumentAs(document_.PathName());
  }
}

void CMainFrame::OnFileSaveAs() {
  const QString path = QFileDialog::getSaveFileName(this, QString(), document_.PathName());
  if (!path.isEmpty()) SaveDocumentAs(path);
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
  if (const auto problem = document_.OnOpenDocument(path)) {
    Warn(*problem);
    return false;
  }
  view_->OnInitialUpdate();
  return true;
}

bool CMainFrame::SaveDocumentAs(const QString& path) {
  if (const auto problem = document_.OnSaveDocument(path)) {
    Warn(*problem);
    return false;
  }
  return true;
}

void CMainFrame::SetWarningSink(std::function<void(const QString&)> sink) {
  warning_sink_ = std::move(sink);
}

void CMainFrame::Warn(const QString& message) {
  if (warning_sink_) {
    warning_sink_(message);
  } else {
    QMessageBox::warning(this, QString::fromUtf8(kCaption), message);
  }
}

}  // namespace curvesmith
