#include "res/string_table.h"

#include "res/resource_ids.h"

namespace curvesmith::res {
namespace {

constexpr StringEntry Single(int id, const char* text) {
  return {id, id, text};
}

constexpr StringEntry kStrings[] = {
    Single(kIdrMainFrame, "Curvesmith\n\nCurvsm\n\n\nCurvesmith.Document\nCurvsm Document"),
    Single(kIdsAppTitle, "Curvesmith"),
    Single(kIdsIdleMessage, "ﾚﾃﾞｨ"),
    Single(kIdFileNew, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"),
    Single(kIdFileOpen, "既存のﾌｧｲﾙを開く\n開く"),
    Single(kIdFileClose, "作業中のﾌｧｲﾙを閉じる\n閉じる"),
    Single(kIdFileSave, "作業中のﾌｧｲﾙを上書きして保存\n保存"),
    Single(kIdFileSaveAs, "作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存"),
    Single(kIdFilePageSetup, "印刷ｵﾌﾟｼｮﾝの変更\nﾍﾟｰｼﾞ ﾚｲｱｳﾄの設定"),
    Single(kIdFilePrintSetup, "ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更\n印刷設定"),
    Single(kIdFilePrint, "作業中のﾌｧｲﾙを印刷\n印刷"),
    Single(kIdFilePrintPreview, "印刷ｲﾒｰｼﾞを表示\n印刷ﾌﾟﾚﾋﾞｭｰ"),
    {kIdFileMruFirst, kIdFileMruLast, "指定のﾌｧｲﾙを開く"},
    Single(kIdEditClear, "選択範囲を消去\n消去"),
    Single(kIdEditClearAll, "すべて消去\nすべて消去"),
    Single(kIdEditCopy, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ"),
    Single(kIdEditCut, "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り"),
    Single(kIdEditFind, "指定した文字列の検索\n検索"),
    Single(kIdEditPaste, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け"),
    Single(kIdEditRepeat, "直前に行った動作を繰り返す\n繰り返し"),
    Single(kIdEditReplace, "指定した文字列を他の文字列で置換\n置換"),
    Single(kIdEditSelectAll, "ﾌｧｲﾙ内のすべてを選択\nすべて選択"),
    Single(kIdEditUndo, "直前に行った動作を元に戻す\n元に戻す"),
    Single(kIdEditRedo, "直前に行った動作を繰り返す\n繰り返す"),
    Single(kIdWindowSplit, "作業中のｳｨﾝﾄﾞｳを分割\n分割"),
    Single(kIdAppAbout, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"),
    Single(kIdAppExit, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"),
    Single(kIdNextPane, "次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ"),
    Single(kIdPrevPane, "前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ"),
    Single(kIdIndicatorExtend, "EXT"),
    Single(kIdIndicatorCaps, "CAP"),
    Single(kIdIndicatorNum, "NUM"),
    Single(kIdIndicatorScroll, "SCRL"),
    Single(kIdIndicatorOverwrite, "上書"),
    Single(kIdIndicatorRecord, "記録"),
    Single(kIdIndicatorKana, "ｶﾅ"),
    Single(kIdViewToolBar, "ﾂｰﾙ ﾊﾞｰの 表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"),
    Single(kIdViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"),
    Single(kIdsWindowSize, "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更"),
    Single(kIdsWindowMove, "ｳｨﾝﾄﾞｳの位置を変更"),
    Single(kIdsWindowMinimize, "ｳｨﾝﾄﾞｳを最小化する"),
    Single(kIdsWindowMaximize, "ｳｨﾝﾄﾞｳを最大化する"),
    Single(kIdsWindowNext, "次のｳｨﾝﾄﾞｳに切り替える"),
    Single(kIdsWindowPrevious, "前のｳｨﾝﾄﾞｳに切り替える"),
    Single(kIdsWindowClose, "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示"),
    Single(kIdsWindowRestore, "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"),
    Single(kIdsTaskList, "ｱﾌﾟﾘｹｰｼｮﾝの切り替え"),
    Single(kIdsPreviewClose, "印刷ﾌﾟﾚﾋﾞｭｰ ﾓｰﾄﾞの終わり\nﾌﾟﾚﾋﾞｭｰのｷｬﾝｾﾙ"),
    Single(kIdReplayPause, "再生を一時停止、または止めた所から再開\n一時停止/再開"),
    Single(kIdReplayFirst, "最初の世代を表示\n先頭へ"),
    Single(kIdReplayBack, "1 つ前の世代を表示\n1世代戻る"),
    Single(kIdReplayForward, "1 つ後の世代を表示\n1世代進む"),
    Single(kIdReplayLast, "最後の世代を表示\n最後へ"),
    Single(kIdReplaySpeed1, "標準の速さで再生\n×1"),
    Single(kIdReplaySpeed2, "2 倍の速さで再生\n×2"),
    Single(kIdReplaySpeed5, "5 倍の速さで再生\n×5"),
    Single(kIdReplaySpeed20, "20 倍の速さで再生\n×20"),
    Single(kIdReplayNoWait, "待たずに次々と再生\n待ち無し"),
    Single(kIdRunSameSeed, "現在の値と前回のｼｰﾄﾞでもう一度実行\n同じｼｰﾄﾞで再実行"),
    Single(kIdRunWithSeed, "ｼｰﾄﾞを指定して実行\nｼｰﾄﾞを指定して実行"),
    Single(kIdViewReplayBar, "再生ﾂｰﾙ ﾊﾞｰの 表示/非表示\n再生ﾂｰﾙ ﾊﾞｰの表示切り替え"),
    Single(kIdReplaySeek, "表示する世代を選択\n世代"),
    Single(kIdsSeedPane, "ｼｰﾄﾞ %1"),
    Single(kIdsSeedDialogTitle, "ｼｰﾄﾞを指定して実行"),
    Single(kIdsSeedPrompt, "ｼｰﾄﾞ(&S) (0 - %1):"),
    Single(kIdsSeedRefused, "ｼｰﾄﾞには 0 から %1 までの整数を入力してください。"),
    Single(kIdsReplayPosition, "%1 / %2"),
    Single(kIdsSeedOk, "OK"),
    Single(kIdsSeedCancel, "ｷｬﾝｾﾙ"),
    Single(kIdsReplayPlayState, "止めた所から再生、最後の世代からは最初から再生\n▶ 再生"),
    Single(kIdsReplayPauseState, "再生を一時停止\n‖ 一時停止"),
    Single(kIdViewConvergencePanel, "収束ｸﾞﾗﾌの 表示/非表示\n収束ｸﾞﾗﾌの表示切り替え"),
    Single(kIdExportChartPng1x, "ｸﾞﾗﾌを画面と同じ大きさの PNG 画像に書き出す\nｸﾞﾗﾌ画像 (等倍)"),
    Single(kIdExportChartPng2x, "ｸﾞﾗﾌを画面の 2 倍の大きさの PNG 画像に書き出す\nｸﾞﾗﾌ画像 (2 倍)"),
    Single(kIdExportChartPng4x, "ｸﾞﾗﾌを画面の 4 倍の大きさの PNG 画像に書き出す\nｸﾞﾗﾌ画像 (4 倍)"),
    Single(kIdExportHistoryCsv, "最後の実行の全個体を CSV ﾌｧｲﾙに書き出す\n全個体の履歴 (CSV)"),
    Single(kIdExportBestCsv,
           "最後の実行の世代ごとの最良点を CSV ﾌｧｲﾙに書き出す\n最良点の履歴 (CSV)"),
    Single(kIdExportJson, "最後の実行を JSON ﾌｧｲﾙに書き出す\n実行結果 (JSON)"),
    Single(kIdExportGif1x, "再生を等速のｱﾆﾒｰｼｮﾝ GIF に書き出す\n再生ｱﾆﾒｰｼｮﾝ (等速)"),
    Single(kIdExportGif2x, "再生を 2 倍速のｱﾆﾒｰｼｮﾝ GIF に書き出す\n再生ｱﾆﾒｰｼｮﾝ (2 倍速)"),
    Single(kIdExportGif5x, "再生を 5 倍速のｱﾆﾒｰｼｮﾝ GIF に書き出す\n再生ｱﾆﾒｰｼｮﾝ (5 倍速)"),
    Single(kIdExportGif20x, "再生を 20 倍速のｱﾆﾒｰｼｮﾝ GIF に書き出す\n再生ｱﾆﾒｰｼｮﾝ (20 倍速)"),
    Single(kIdsConvergencePanelTitle, "収束ｸﾞﾗﾌ"),
    Single(kIdsAxisGeneration, "世代"),
    Single(kIdsAxisFitness, "適応度"),
    Single(kIdsAxisGenomes, "遺伝子型の数"),
    Single(kIdsAxisShare, "最良遺伝子型の割合 (%)"),
    Single(kIdsLegendBestSoFar, "これまでの最良"),
    Single(kIdsLegendGenerationBest, "世代の最良"),
    Single(kIdsLegendMean, "平均"),
    Single(kIdsLegendWorst, "最悪"),
    Single(kIdsLegendTrueMaximum, "真の最大値"),
    Single(kIdsTrueMaximumLabel, "x=%1, 適応度 %2"),
    Single(kIdsLegendDistinctGenomes, "異なる遺伝子型の数"),
    Single(kIdsLegendBestGenomeShare, "最良遺伝子型の割合"),
    Single(kIdsPlotHover,
           "第 %1 世代\nこれまでの最良: %2\n世代の最良: %3\n平均: %4\n最悪: %5\n"
           "異なる遺伝子型: %6\n最良遺伝子型の割合: %7 %"),
    Single(kIdsDiscTooltipHeading, "第 %1 世代 ﾏｳｽの下の個体: %2"),
    Single(kIdsDiscTooltipGenome,
           "遺伝子 (遺伝子 0 から 9 の順): %1\n位置 x: %2\n適応度: %3\n"
           "同じ遺伝子型の個体: %4 / %5\n遺伝子型の順位: %6 位 (異なる遺伝子型 %7 個中)"),
    Single(kIdsDiscTooltipMore, "ほかに %1 個の遺伝子型"),
    Single(kIdFileSampleWellTuned0,
           "よく調整した実行: 個体が曲線 0 の最も高い点に集まる\nよく調整した実行 (曲線 0)"),
    Single(kIdFileSampleWellTuned1,
           "よく調整した実行: 個体が曲線 1 の最も高い点に集まる\nよく調整した実行 (曲線 1)"),
    Single(kIdFileSampleWellTuned2,
           "よく調整した実行: 個体が曲線 2 の近い二つの山から高いほうを選ぶ\nよく調整した実行 "
           "(曲線 2)"),
    Single(
        kIdFileSamplePremature,
        "早すぎる収束: 突然変異がないと個体が最も高い点の手前で同じ遺伝子型にそろう\n早すぎる収束"),
    Single(kIdFileSampleRandom,
           "突然変異率が高すぎると探索がﾗﾝﾀﾞﾑになり、個体がいつまでも集まらない\nﾗﾝﾀﾞﾑな探索"),
    Single(kIdFileSampleTooSmall,
           "母集団が小さすぎると個体が曲線 1 の低い山に留まり、最も高い点を逃す\n小さすぎる母集団"),
    Single(kIdsExportDone, "%1 に書き出しました"),
    Single(kIdsExportFailed, "ﾌｧｲﾙ「%1」に書き出せませんでした。%2\n%3"),
    Single(kIdsExportCancel, "ｷｬﾝｾﾙ"),
    Single(kIdsExportProgress, "書き出し中..."),
    Single(kIdsExportFilterPng, "PNG 画像 (*.png)"),
    Single(kIdsExportFilterCsv, "CSV ﾌｧｲﾙ (*.csv)"),
    Single(kIdsExportFilterJson, "JSON ﾌｧｲﾙ (*.json)"),
    Single(kIdsExportFilterGif, "ｱﾆﾒｰｼｮﾝ GIF (*.gif)"),
    Single(kIdsExportEncodeFailed, "画像を作れませんでした。"),
    Single(kIdViewChartFillsWindow,
           "ｸﾞﾗﾌをｳｨﾝﾄﾞｳの大きさに合わせて拡大/縮小\nｸﾞﾗﾌをｳｨﾝﾄﾞｳに合わせる"),
    Single(kIdViewFullScreen,
           "ｸﾞﾗﾌと再生ﾂｰﾙ ﾊﾞｰだけを画面全体に表示 (Esc または F11 で戻る)\n全画面表示"),
    Single(kIdViewLeaveFullScreen, "全画面表示を終了\n全画面表示の終了"),
    Single(kIdEditCopyChart, "表示中のｸﾞﾗﾌを画像としてｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ\nｸﾞﾗﾌをｺﾋﾟｰ"),
    Single(kIdExportCaption,
           "書き出す画像の下に曲線、母集団ｻｲｽﾞ、世代数、交叉率、突然変異率、ｼｰﾄﾞを書き込む\n"
           "設定を書き込む"),
    Single(kIdsChartCaption,
           "目標曲線 %1    母集団サイズ %2    最大世代数 %3    交叉率 %4    突然変異率 %5    "
           "ｼｰﾄﾞ %6"),
    Single(kIdsChartCaptionAlgorithm, "    選択 %1  交叉 %2  突然変異 %3  ｴﾘｰﾄ %4  遺伝子 %5"),
    Single(kIdsFileQuoted, "「%1」"),
    Single(kIdsOpenFailed, "ﾌｧｲﾙ%1を開けませんでした。\n%2"),
    Single(kIdsReadFailed, "ﾌｧｲﾙ%1を読み込めませんでした。\n%2"),
    Single(kIdsSaveFailed, "ﾌｧｲﾙ%1を保存できませんでした。%2\n%3"),
    Single(kIdsExistingFileKept, "既にあるﾌｧｲﾙは変更していません。"),
    Single(kIdsNotRegularFile, "通常のﾌｧｲﾙではありません (ﾌｫﾙﾀﾞ、ﾃﾞﾊﾞｲｽ、ﾊﾟｲﾌﾟなど)。"),
    Single(kIdsNotParameterFile, "ﾌｧｲﾙ%1は Curvesmith のﾊﾟﾗﾒｰﾀ ﾌｧｲﾙではありません。"),
    Single(kIdsDamagedFile, "ﾌｧｲﾙ%1は壊れているため開けません%2。\n%3"),
    Single(kIdsDamagedLine, "（%1 行目）"),
    Single(kIdsLineNotNameValue, "「名前 = 値」の形の行ではありません。"),
    Single(kIdsUnknownKey, "「%1」という項目はありません。"),
    Single(kIdsValueTwice, "「%1」が二度書かれています。"),
    Single(kIdsValueNotNumber, "「%1」の値が数値ではありません。"),
    Single(kIdsValueMissing, "「%1」の値がありません。"),
    Single(kIdsNeedsNumber, "「%1」には数値を入力してください。"),
    Single(kIdsRunRefused, "実行できません。「%1」の値 %2 は範囲外です。%3を入力してください。"),
    Single(kIdsRangeCountUpTo, "%1 以下の有限の数値"),
    Single(kIdsRangeRate, "%1 から %2 までの数値"),
    Single(kIdsRangeCurve, "%1 のいずれか"),
    Single(kIdsPrintFailed, "%1 に印刷できませんでした。"),
    Single(kIdsFieldPopulationSize, "母集団サイズ"),
    Single(kIdsFieldMutationRate, "突然変異率"),
    Single(kIdsFieldGenerations, "最大世代数"),
    Single(kIdsFieldCrossoverRate, "交叉率"),
    Single(kIdsFieldAuxParameter, "補助値"),
    Single(kIdsFieldTargetCurve, "目標曲線"),
};

}  // namespace

std::span<const StringEntry> StringTable() {
  return kStrings;
}

std::string_view LoadString(int id) {
  for (const StringEntry& entry : kStrings) {
    if (entry.first_id <= id && id <= entry.last_id) return entry.text;
  }
  return {};
}

CommandText SplitCommandString(std::string_view text) {
  const std::size_t line_feed = text.find('\n');
  if (line_feed == std::string_view::npos) return {text, {}};
  return {text.substr(0, line_feed), text.substr(line_feed + 1)};
}

}  // namespace curvesmith::res
