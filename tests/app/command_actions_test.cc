#include "app/command_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/interface_language.h"
#include "res/language.h"
#include "res/resource_ids.h"
#include "tests/app/view_fixture.h"

namespace curvesmith {
namespace {

// The accelerator letter of a menu text, the one after a single '&', in
// lower case (Alt+G and Alt+g are one key); empty when there is none.
QString AcceleratorLetter(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1].toLower();
    ++i;
  }
  return {};
}

// The menu bar as lines, one an item, indented by depth: the command id
// (0 for separators and pop-ups), the accelerator letter and the shortcut
// shown after the tab. Fails the test when two items of one menu share a
// letter, since Alt and that letter could then reach only the first.
void AppendShape(const QList<QAction*>& actions, const QString& indent, QStringList* lines) {
  QStringList letters;
  for (const QAction* action : actions) {
    const QString text = action->text();
    const QString letter = AcceleratorLetter(text.section('\t', 0, 0));
    QVERIFY2(letter.isEmpty() || !letters.contains(letter), qPrintable(text));
    letters << letter;
    lines->append(QStringLiteral("%1%2 %3 &%4 [%5]")
                      .arg(indent)
                      .arg(action->isSeparator() ? 0 : action->data().toInt())
                      .arg(action->menu() ? QStringLiteral("menu") : QString())
                      .arg(letter)
                      .arg(text.contains('\t') ? text.section('\t', 1) : QString()));
    if (action->menu()) AppendShape(action->menu()->actions(), indent + "  ", lines);
  }
}

// The menu bar's pop-up titles and the shape of the whole menu, as made in
// `language`.
QPair<QStringList, QStringList> MenuIn(res::Language language) {
  res::SetInterfaceLanguage(language);
  QMainWindow window;
  CommandActions actions(&window);
  actions.PopulateMenuBar(window.menuBar());
  res::SetInterfaceLanguage(res::Language::kJapanese);
  QStringList titles;
  for (const QAction* popup : window.menuBar()->actions()) titles << popup->text();
  QStringList shape;
  AppendShape(window.menuBar()->actions(), QString(), &shape);
  return {titles, shape};
}

// The actions of `menu` as (text, command id) pairs; separators as ("", 0).
QList<QPair<QString, int>> Items(const QMenu* menu) {
  QList<QPair<QString, int>> items;
  for (const QAction* action : menu->actions()) {
    items.append({action->isSeparator() ? QString() : action->text(),
                  action->isSeparator() ? 0 : action->data().toInt()});
  }
  return items;
}

}  // namespace

class CommandActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = new QMainWindow;
    actions_ = new CommandActions(window_);
    actions_->PopulateMenuBar(window_->menuBar());
    tool_bar_ = actions_->CreateToolBar(window_);
    actions_->BindStatusBar(window_->statusBar());
  }
  void cleanup() { delete window_; }

  void MenuBarHasItsFivePopupsInOrder() {
    QStringList titles;
    for (const QAction* popup : window_->menuBar()->actions()) titles << popup->text();
    QCOMPARE(titles, (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "再生(&P)", "ﾍﾙﾌﾟ(&H)"}));
  }

  void MenuItemsWithTextsAndIds_data() {
    QTest::addColumn<QList<int>>("popup");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("file") << QList<int>{0}
                          << QStringList{"新規作成(&N)\tCtrl+N",
                                         "開く(&O)...\tCtrl+O",
                                         "上書き保存(&S)\tCtrl+S",
                                         "名前を付けて保存(&A)...",
                                         "ｴｸｽﾎﾟｰﾄ(&E)",
                                         "ｻﾝﾌﾟﾙを開く(&M)",
                                         "",
                                         "印刷(&P)...\tCtrl+P",
                                         "印刷ﾌﾟﾚﾋﾞｭｰ(&V)",
                                         "ﾌﾟﾘﾝﾀの設定(&R)...",
                                         "",
                                         "最近使ったﾌｧｲﾙ",
                                         "",
                                         "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}
                          << QList<int>{57600, 57601, 57603, 57604, 0,     0, 0,
                                        57607, 57609, 57606, 0,     57616, 0, 57665};
    QTest::newRow("edit") << QList<int>{1}
                          << QStringList{"元に戻す(&U)\tCtrl+Z",        "",
                                         "切り取り(&T)\tCtrl+X",        "ｺﾋﾟｰ(&C)\tCtrl+C",
                                         "貼り付け(&P)\tCtrl+V",        "",
                                         "ｸﾞﾗﾌをｺﾋﾟｰ(&G)\tCtrl+Shift+C"}
                          << QList<int>{57643, 0, 57635, 57634, 57637, 0, 32873};
    QTest::newRow("view") << QList<int>{2}
                          << QStringList{"ﾂｰﾙ ﾊﾞｰ(&T)",
                                         "ｽﾃｰﾀｽ ﾊﾞｰ(&S)",
                                         "再生ﾂｰﾙ ﾊﾞｰ(&P)\tF9",
                                         "収束ｸﾞﾗﾌ(&G)",
                                         "",
                                         "ｸﾞﾗﾌをｳｨﾝﾄﾞｳに合わせる(&W)\tCtrl+F11",
                                         "全画面表示(&F)\tF11",
                                         "",
                                         "言語(&L)"}
                          << QList<int>{59392, 59393, 32783, 32800, 0, 32870, 32871, 0, 0};
    QTest::newRow("replay") << QList<int>{3}
                            << QStringList{"一時停止/再開(&P)\tF5",
                                           "",
                                           "先頭へ(&F)\tCtrl+F7",
                                           "1世代戻る(&B)\tF7",
                                           "1世代進む(&N)\tF8",
                                           "最後へ(&L)\tCtrl+F8",
                                           "",
                                           "速度 ×1(&1)\tCtrl+1",
                                           "速度 ×2(&2)\tCtrl+2",
                                           "速度 ×5(&5)\tCtrl+3",
                                           "速度 ×20(&0)\tCtrl+4",
                                           "待ち無し(&W)\tCtrl+5",
                                           "",
                                           "同じｼｰﾄﾞで再実行(&R)\tCtrl+Shift+R",
                                           "ｼｰﾄﾞを指定して実行(&S)...\tCtrl+Shift+K"}
                            << QList<int>{32771, 0,     32772, 32773, 32774, 32775, 0,    32776,
                                          32777, 32778, 32779, 32780, 0,     32781, 32782};
    QTest::newRow("help") << QList<int>{4} << QStringList{"Curvesmith のﾊﾞｰｼﾞｮﾝ情報(&A)..."}
                          << QList<int>{57664};
    QTest::newRow("file/export") << QList<int>{0, 4}
                                 << QStringList{"ｸﾞﾗﾌ画像 等倍 (PNG)(&1)...",
                                                "ｸﾞﾗﾌ画像 2 倍 (PNG)(&2)...",
                                                "ｸﾞﾗﾌ画像 4 倍 (PNG)(&4)...",
                                                "",
                                                "全個体の履歴 (CSV)(&H)...",
                                                "最良点の履歴 (CSV)(&B)...",
                                                "実行結果 (JSON)(&J)...",
                                                "",
                                                "再生ｱﾆﾒｰｼｮﾝ 等速 (GIF)(&G)...",
                                                "再生ｱﾆﾒｰｼｮﾝ 2 倍速 (GIF)(&D)...",
                                                "再生ｱﾆﾒｰｼｮﾝ 5 倍速 (GIF)(&F)...",
                                                "再生ｱﾆﾒｰｼｮﾝ 20 倍速 (GIF)(&W)...",
                                                "",
                                                "画像に設定を書き込む(&S)\tCtrl+Shift+L"}
                                 << QList<int>{res::kIdExportChartPng1x,
                                               res::kIdExportChartPng2x,
                                               res::kIdExportChartPng4x,
                                               0,
                                               res::kIdExportHistoryCsv,
                                               res::kIdExportBestCsv,
                                               res::kIdExportJson,
                                               0,
                                               res::kIdExportGif1x,
                                               res::kIdExportGif2x,
                                               res::kIdExportGif5x,
                                               res::kIdExportGif20x,
                                               0,
                                               res::kIdExportCaption};
    QTest::newRow("file/samples") << QList<int>{0, 5}
                                  << QStringList{"よく調整した実行 曲線 0(&0)\tCtrl+Alt+1",
                                                 "よく調整した実行 曲線 1(&1)\tCtrl+Alt+2",
                                                 "よく調整した実行 曲線 2(&2)\tCtrl+Alt+3",
                                                 "早すぎる収束(&C)\tCtrl+Alt+4",
                                                 "ﾗﾝﾀﾞﾑな探索(&R)\tCtrl+Alt+5",
                                                 "小さすぎる母集団(&S)\tCtrl+Alt+6"}
                                  << QList<int>{
                                         res::kIdFileSampleWellTuned0, res::kIdFileSampleWellTuned1,
                                         res::kIdFileSampleWellTuned2, res::kIdFileSamplePremature,
                                         res::kIdFileSampleRandom,     res::kIdFileSampleTooSmall};
    QTest::newRow("view/language")
        << QList<int>{2, 8} << QStringList{"日本語(&J)", "English(&E)"}
        << QList<int>{res::kIdViewLanguageJapanese, res::kIdViewLanguageEnglish};
  }
  void MenuItemsWithTextsAndIds() {
    QFETCH(QList<int>, popup);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, ids);
    const QMenu* menu = window_->menuBar()->actions().at(popup.first())->menu();
    for (qsizetype level = 1; level < popup.size(); ++level) {
      menu = menu->actions().at(popup[level])->menu();
    }
    const auto items = Items(menu);
    QCOMPARE(items.size(), texts.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
      QCOMPARE(items[i].first, texts[i]);
      QCOMPARE(items[i].second, ids[i]);
    }
  }

  // A learner who switches language finds every command in the same place,
  // behind the same shortcut and the same accelerator letter.
  void EnglishMenuHasTheJapaneseStructureAndShortcuts() {
    const auto japanese = MenuIn(res::Language::kJapanese);
    const auto english = MenuIn(res::Language::kEnglish);
    QCOMPARE(english.first, (QStringList{"&File", "&Edit", "&View", "Re&play", "&Help"}));
    QCOMPARE(english.second, japanese.second);
    QVERIFY(japanese.second.filter("[Ctrl+Shift+R]").size() == 1);
    QVERIFY(
        japanese.second.filter(QStringLiteral("%1  &g [Ctrl+Shift+C]").arg(res::kIdEditCopyChart))
            .size() == 1);
  }

  // Each key combination is written the way Qt reads and writes it back, so
  // the menu shows exactly what the table says and no entry is lost.
  void AcceleratorTextsAreQtsOwn() {
    for (const res::Accelerator& accelerator : res::AcceleratorTable()) {
      const QKeySequence keys = KeySequenceOf(accelerator);
      QCOMPARE(keys.count(), 1);
      QVERIFY2(keys[0].key() != Qt::Key_unknown, accelerator.keys);
      QCOMPARE(keys.toString(QKeySequence::PortableText), QString(accelerator.keys));
    }
  }

  // The language chosen in the View menu is the one the next start reads;
  // the running interface keeps its own.
  void LanguageChoiceIsKeptForTheNextStart() {
    TemporarySettings settings;
    BindLanguageChoice(*actions_);
    QAction* japanese = actions_->Action(res::kIdViewLanguageJapanese);
    QAction* english = actions_->Action(res::kIdViewLanguageEnglish);
    QVERIFY(japanese->isChecked());
    english->trigger();
    QCOMPARE(SavedLanguage(), res::Language::kEnglish);
    QVERIFY(english->isChecked() && !japanese->isChecked());
    QCOMPARE(res::InterfaceLanguage(), res::Language::kJapanese);
    japanese->trigger();
    QCOMPARE(SavedLanguage(), res::Language::kJapanese);
  }

  void RecentFilePlaceholderIsGreyed() {
    QVERIFY(!actions_->Action(res::kIdFileMruFirst)->isEnabled());
  }

  void ShortcutsFromTheAcceleratorTable_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QList<QKeySequence>>("keys");
    QTest::newRow("new") << res::kIdFileNew << QList<QKeySequence>{QKeySequence("Ctrl+N")};
    QTest::newRow("print") << res::kIdFilePrint << QList<QKeySequence>{QKeySequence("Ctrl+P")};
    QTest::newRow("undo") << res::kIdEditUndo
                          << QList<QKeySequence>{QKeySequence("Ctrl+Z"),
                                                 QKeySequence("Alt+Backspace")};
    QTest::newRow("cut") << res::kIdEditCut
                         << QList<QKeySequence>{QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")};
    QTest::newRow("copy") << res::kIdEditCopy
                          << QList<QKeySequence>{QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")};
    QTest::newRow("paste") << res::kIdEditPaste
                           << QList<QKeySequence>{QKeySequence("Ctrl+V"),
                                                  QKeySequence("Shift+Ins")};
    QTest::newRow("next pane") << res::kIdNextPane << QList<QKeySequence>{QKeySequence("F6")};
    QTest::newRow("previous pane")
        << res::kIdPrevPane << QList<QKeySequence>{QKeySequence("Shift+F6")};
    QTest::newRow("save as") << res::kIdFileSaveAs << QList<QKeySequence>{};
    QTest::newRow("pause") << res::kIdReplayPause << QList<QKeySequence>{QKeySequence("F5")};
    QTest::newRow("last") << res::kIdReplayLast << QList<QKeySequence>{QKeySequence("Ctrl+F8")};
    QTest::newRow("no wait") << res::kIdReplayNoWait << QList<QKeySequence>{QKeySequence("Ctrl+5")};
    QTest::newRow("same seed") << res::kIdRunSameSeed
                               << QList<QKeySequence>{QKeySequence("Ctrl+Shift+R")};
  }
  void ShortcutsFromTheAcceleratorTable() {
    QFETCH(int, command);
    QFETCH(QList<QKeySequence>, keys);
    QCOMPARE(actions_->Action(command)->shortcuts(), keys);
    // Shortcuts only work for actions that belong to the window.
    QVERIFY(window_->actions().contains(actions_->Action(command)));
  }

  void PromptsAndToolTips_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("tool_tip");
    QTest::newRow("new") << res::kIdFileNew << "新規にﾌｧｲﾙを作成"
                         << "新規ﾌｧｲﾙ";
    QTest::newRow("print setup") << res::kIdFilePrintSetup << "ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更"
                                 << "印刷設定";
    QTest::newRow("about") << res::kIdAppAbout << "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示"
                           << "ﾊﾞｰｼﾞｮﾝ情報";
    QTest::newRow("status bar") << res::kIdViewStatusBar << "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示"
                                << "ｽﾃｰﾀｽ ﾊﾞｰの表示切り替え";
    QTest::newRow("step back") << res::kIdReplayBack << "1 つ前の世代を表示"
                               << "1世代戻る";
  }
  void PromptsAndToolTips() {
    QFETCH(int, command);
    QFETCH(QString, prompt);
    QFETCH(QString, tool_tip);
    QCOMPARE(actions_->Action(command)->statusTip(), prompt);
    QCOMPARE(actions_->Action(command)->toolTip(), tool_tip);
  }

  void ToolBarButtonsInOrder() {
    QList<int> ids;
    for (const QAction* action : tool_bar_->actions()) {
      ids << (action->isSeparator() ? 0 : action->data().toInt());
      if (action->isSeparator()) continue;
      QVERIFY(!action->icon().isNull());
      QVERIFY(!action->isIconVisibleInMenu());
    }
    QCOMPARE(ids, (QList<int>{57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 0, 57664}));
  }

  void ToolBarDocksAnywhereAndFloats() {
    QVERIFY(tool_bar_->isMovable());
    QVERIFY(tool_bar_->isFloatable());
    QCOMPARE(tool_bar_->allowedAreas(), Qt::AllToolBarAreas);
    QCOMPARE(window_->toolBarArea(tool_bar_), Qt::TopToolBarArea);
    window_->addToolBar(Qt::LeftToolBarArea, tool_bar_);
    QCOMPARE(window_->toolBarArea(tool_bar_), Qt::LeftToolBarArea);
    QCOMPARE(tool_bar_->orientation(), Qt::Vertical);
  }

  void ViewTogglesHideAndShowTheBars() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QAction* tool_bar_toggle = actions_->Action(res::kIdViewToolBar);
    QAction* status_bar_toggle = actions_->Action(res::kIdViewStatusBar);
    QVERIFY(tool_bar_toggle->isChecked());
    QVERIFY(status_bar_toggle->isChecked());

    tool_bar_toggle->trigger();
    QVERIFY(tool_bar_->isHidden());
    tool_bar_toggle->trigger();
    QVERIFY(tool_bar_->isVisible());

    status_bar_toggle->trigger();
    QVERIFY(window_->statusBar()->isHidden());
    status_bar_toggle->trigger();
    QVERIFY(window_->statusBar()->isVisible());

    // Hiding the bar by other means (closing a floating bar) unchecks the item.
    tool_bar_->hide();
    QVERIFY(!tool_bar_toggle->isChecked());
  }

  void HidingTheWindowKeepsTheToggleChecked() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    window_->hide();
    QVERIFY(actions_->Action(res::kIdViewToolBar)->isChecked());
  }

 private:
  QMainWindow* window_ = nullptr;
  CommandActions* actions_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
};

}  // namespace curvesmith

QTEST_MAIN(curvesmith::CommandActionsTest)
#include "command_actions_test.moc"
