#ifndef CURVESMITH_RES_RESOURCE_IDS_H_
#define CURVESMITH_RES_RESOURCE_IDS_H_

// Every numeric id the program's resources use. Command ids double as the ids
// of the strings that hold their status-bar prompts and tool-tips, as the
// string table is keyed by them.
namespace curvesmith::res {

// Resources shared by id. 128 names the main menu, the accelerator table, the
// tool bar, the main icon and the document-template string all at once.
inline constexpr int kIdrMainFrame = 128;
inline constexpr int kIdrDocumentIcon = 129;
inline constexpr int kIddAboutBox = 100;
inline constexpr int kIddParameterForm = 101;

// Controls of the parameter form and the About box.
inline constexpr int kIdcStatic = -1;  // a control nobody addresses
inline constexpr int kIdOk = 1;
inline constexpr int kIdcGenerations = 1000;
inline constexpr int kIdcCrossoverRate = 1001;
inline constexpr int kIdcAuxParameter = 1002;
inline constexpr int kIdcRun = 1003;
inline constexpr int kIdcChartArea = 1004;
inline constexpr int kIdcPopulationSize = 1005;
inline constexpr int kIdcMutationRate = 1006;
inline constexpr int kIdcTargetCurve = 1008;

// Commands.
inline constexpr int kIdFileNew = 57600;
inline constexpr int kIdFileOpen = 57601;
inline constexpr int kIdFileClose = 57602;
inline constexpr int kIdFileSave = 57603;
inline constexpr int kIdFileSaveAs = 57604;
inline constexpr int kIdFilePageSetup = 57605;
inline constexpr int kIdFilePrintSetup = 57606;
inline constexpr int kIdFilePrint = 57607;
inline constexpr int kIdFilePrintDirect = 57608;
inline constexpr int kIdFilePrintPreview = 57609;
inline constexpr int kIdFileMruFirst = 57616;  // the recent-file entries, 16 ids
inline constexpr int kIdFileMruLast = 57631;
inline constexpr int kIdEditClear = 57632;
inline constexpr int kIdEditClearAll = 57633;
inline constexpr int kIdEditCopy = 57634;
inline constexpr int kIdEditCut = 57635;
inline constexpr int kIdEditFind = 57636;
inline constexpr int kIdEditPaste = 57637;
inline constexpr int kIdEditRepeat = 57640;
inline constexpr int kIdEditReplace = 57641;
inline constexpr int kIdEditSelectAll = 57642;
inline constexpr int kIdEditUndo = 57643;
inline constexpr int kIdEditRedo = 57644;
inline constexpr int kIdWindowSplit = 57653;
inline constexpr int kIdAppAbout = 57664;
inline constexpr int kIdAppExit = 57665;
inline constexpr int kIdNextPane = 57680;
inline constexpr int kIdPrevPane = 57681;
inline constexpr int kIdViewToolBar = 59392;
inline constexpr int kIdViewStatusBar = 59393;

// The replay player and the run's seed: the 再生 menu, its tool bar and the
// View menu's toggle of that tool bar. kIdReplaySeek names the tool bar's
// seek slider, which has a prompt and a tool-tip like a command.
inline constexpr int kIdReplayPause = 32771;
inline constexpr int kIdReplayFirst = 32772;
inline constexpr int kIdReplayBack = 32773;
inline constexpr int kIdReplayForward = 32774;
inline constexpr int kIdReplayLast = 32775;
inline constexpr int kIdReplaySpeed1 = 32776;
inline constexpr int kIdReplaySpeed2 = 32777;
inline constexpr int kIdReplaySpeed5 = 32778;
inline constexpr int kIdReplaySpeed20 = 32779;
inline constexpr int kIdReplayNoWait = 32780;
inline constexpr int kIdRunSameSeed = 32781;
inline constexpr int kIdRunWithSeed = 32782;
inline constexpr int kIdViewReplayBar = 32783;
inline constexpr int kIdReplaySeek = 32784;

// Strings that belong to no command.
inline constexpr int kIdsAppTitle = 57344;
inline constexpr int kIdsIdleMessage = 57345;
inline constexpr int kIdsWindowSize = 61184;
inline constexpr int kIdsWindowMove = 61185;
inline constexpr int kIdsWindowMinimize = 61186;
inline constexpr int kIdsWindowMaximize = 61187;
inline constexpr int kIdsWindowNext = 61188;
inline constexpr int kIdsWindowPrevious = 61189;
inline constexpr int kIdsWindowClose = 61190;
inline constexpr int kIdsWindowRestore = 61202;
inline constexpr int kIdsTaskList = 61203;
inline constexpr int kIdsPreviewClose = 61445;

// Strings of the replay player and the seed.
inline constexpr int kIdsSeedPane = 20200;
inline constexpr int kIdsSeedDialogTitle = 20201;
inline constexpr int kIdsSeedPrompt = 20202;
inline constexpr int kIdsSeedRefused = 20203;
inline constexpr int kIdsReplayPosition = 20204;
inline constexpr int kIdsSeedOk = 20205;
inline constexpr int kIdsSeedCancel = 20206;
// The pause command's prompt and tool-tip while the replay is paused or
// finished (play) and while it plays (pause); the tool-tip is also its menu
// item's text.
inline constexpr int kIdsReplayPlayState = 20207;
inline constexpr int kIdsReplayPauseState = 20208;
// The print set-up dialog's accepting button.
inline constexpr int kIdsPrintSetupOk = 20209;
// The shell's own messages, and the field names they quote: ids
// kIdsShellMessageFirst to kIdsShellMessageLast.
inline constexpr int kIdsShellMessageFirst = 20000;
inline constexpr int kIdsShellMessageLast = 20199;
inline constexpr int kIdsFileQuoted = 20000;
inline constexpr int kIdsOpenFailed = 20001;
inline constexpr int kIdsReadFailed = 20002;
inline constexpr int kIdsSaveFailed = 20003;
inline constexpr int kIdsNotRegularFile = 20004;
inline constexpr int kIdsNotParameterFile = 20005;
inline constexpr int kIdsDamagedFile = 20006;
inline constexpr int kIdsDamagedLine = 20007;
inline constexpr int kIdsLineNotNameValue = 20008;
inline constexpr int kIdsUnknownKey = 20009;
inline constexpr int kIdsValueTwice = 20010;
inline constexpr int kIdsValueNotNumber = 20011;
inline constexpr int kIdsValueMissing = 20012;
inline constexpr int kIdsNeedsNumber = 20013;
inline constexpr int kIdsRunRefused = 20014;
inline constexpr int kIdsRangeCountUpTo = 20015;
inline constexpr int kIdsRangeRate = 20016;
inline constexpr int kIdsRangeCurve = 20017;
inline constexpr int kIdsPrintFailed = 20018;
inline constexpr int kIdsFieldPopulationSize = 20020;
inline constexpr int kIdsFieldMutationRate = 20021;
inline constexpr int kIdsFieldGenerations = 20022;
inline constexpr int kIdsFieldCrossoverRate = 20023;
inline constexpr int kIdsFieldAuxParameter = 20024;
inline constexpr int kIdsFieldTargetCurve = 20025;

// Status-bar indicators; their ids are also the ids of their texts.
inline constexpr int kIdSeparator = 0;  // the message pane
inline constexpr int kIdIndicatorExtend = 59136;
inline constexpr int kIdIndicatorCaps = 59137;
inline constexpr int kIdIndicatorNum = 59138;
inline constexpr int kIdIndicatorScroll = 59139;
inline constexpr int kIdIndicatorOverwrite = 59140;
inline constexpr int kIdIndicatorRecord = 59141;
inline constexpr int kIdIndicatorKana = 59142;

// The convergence panel, the disc tool-tip and the exports: commands
// 32800-32839, their other strings 20300-20399.
inline constexpr int kIdViewConvergencePanel = 32800;
inline constexpr int kIdExportChartPng1x = 32801;
inline constexpr int kIdExportChartPng2x = 32802;
inline constexpr int kIdExportChartPng4x = 32803;
inline constexpr int kIdExportHistoryCsv = 32804;
inline constexpr int kIdExportBestCsv = 32805;
inline constexpr int kIdExportJson = 32806;
inline constexpr int kIdExportGif1x = 32807;
inline constexpr int kIdExportGif2x = 32808;
inline constexpr int kIdExportGif5x = 32809;
inline constexpr int kIdExportGif20x = 32810;
inline constexpr int kIdsConvergencePanelTitle = 20300;
inline constexpr int kIdsAxisGeneration = 20301;
inline constexpr int kIdsAxisFitness = 20302;
inline constexpr int kIdsAxisGenomes = 20303;
inline constexpr int kIdsAxisShare = 20304;
inline constexpr int kIdsLegendBestSoFar = 20305;
inline constexpr int kIdsLegendGenerationBest = 20306;
inline constexpr int kIdsLegendMean = 20307;
inline constexpr int kIdsLegendWorst = 20308;
inline constexpr int kIdsLegendTrueMaximum = 20309;
inline constexpr int kIdsLegendDistinctGenomes = 20310;
inline constexpr int kIdsLegendBestGenomeShare = 20311;
inline constexpr int kIdsPlotHover = 20312;
inline constexpr int kIdsDiscTooltipHeading = 20313;
inline constexpr int kIdsDiscTooltipGenome = 20314;
inline constexpr int kIdsDiscTooltipMore = 20315;
inline constexpr int kIdsExportDone = 20316;
inline constexpr int kIdsExportFailed = 20317;
inline constexpr int kIdsExportProgress = 20319;
inline constexpr int kIdsExportFilterPng = 20320;
inline constexpr int kIdsExportFilterCsv = 20321;
inline constexpr int kIdsExportFilterJson = 20322;
inline constexpr int kIdsExportFilterGif = 20323;
inline constexpr int kIdsExportEncodeFailed = 20324;
inline constexpr int kIdsExportCancel = 20325;
inline constexpr int kIdsTrueMaximumLabel = 20326;

// The sample experiments of the File menu and the file messages' shared
// parts: commands 32850-32869, strings 20400-20419.
inline constexpr int kIdFileSampleWellTuned0 = 32850;
inline constexpr int kIdFileSampleWellTuned1 = 32851;
inline constexpr int kIdFileSampleWellTuned2 = 32852;
inline constexpr int kIdFileSamplePremature = 32853;
inline constexpr int kIdFileSampleRandom = 32854;
inline constexpr int kIdFileSampleTooSmall = 32855;
inline constexpr int kIdsExistingFileKept = 20400;
// The chart for a lecture hall: filling the window or the screen, copied to
// the clipboard, exported with its run's settings. Commands 32870-32879,
// their other strings 20470-20479.
inline constexpr int kIdViewChartFillsWindow = 32870;
inline constexpr int kIdViewFullScreen = 32871;
inline constexpr int kIdViewLeaveFullScreen = 32872;
inline constexpr int kIdEditCopyChart = 32873;
inline constexpr int kIdExportCaption = 32874;
inline constexpr int kIdsChartCaption = 20470;
inline constexpr int kIdsChartCaptionAlgorithm = 20471;

// The language of the interface, chosen in the View menu for the next start.
inline constexpr int kIdViewLanguageJapanese = 32880;
inline constexpr int kIdViewLanguageEnglish = 32881;

// The texts of the main menu's items and pop-ups: strings 21000-21199.
inline constexpr int kIdsMenuFile = 21000;
inline constexpr int kIdsMenuEdit = 21001;
inline constexpr int kIdsMenuView = 21002;
inline constexpr int kIdsMenuReplay = 21003;
inline constexpr int kIdsMenuHelp = 21004;
inline constexpr int kIdsMenuFileNew = 21010;
inline constexpr int kIdsMenuFileOpen = 21011;
inline constexpr int kIdsMenuFileSave = 21012;
inline constexpr int kIdsMenuFileSaveAs = 21013;
inline constexpr int kIdsMenuExport = 21014;
inline constexpr int kIdsMenuSamples = 21015;
inline constexpr int kIdsMenuFilePrint = 21016;
inline constexpr int kIdsMenuFilePrintPreview = 21017;
inline constexpr int kIdsMenuFilePrintSetup = 21018;
inline constexpr int kIdsMenuRecentFiles = 21019;
inline constexpr int kIdsMenuAppExit = 21020;
inline constexpr int kIdsMenuExportPng1x = 21030;
inline constexpr int kIdsMenuExportPng2x = 21031;
inline constexpr int kIdsMenuExportPng4x = 21032;
inline constexpr int kIdsMenuExportHistoryCsv = 21033;
inline constexpr int kIdsMenuExportBestCsv = 21034;
inline constexpr int kIdsMenuExportJson = 21035;
inline constexpr int kIdsMenuExportGif1x = 21036;
inline constexpr int kIdsMenuExportGif2x = 21037;
inline constexpr int kIdsMenuExportGif5x = 21038;
inline constexpr int kIdsMenuExportGif20x = 21039;
inline constexpr int kIdsMenuExportCaption = 21040;
inline constexpr int kIdsMenuSampleWellTuned0 = 21050;
inline constexpr int kIdsMenuSampleWellTuned1 = 21051;
inline constexpr int kIdsMenuSampleWellTuned2 = 21052;
inline constexpr int kIdsMenuSamplePremature = 21053;
inline constexpr int kIdsMenuSampleRandom = 21054;
inline constexpr int kIdsMenuSampleTooSmall = 21055;
inline constexpr int kIdsMenuEditUndo = 21060;
inline constexpr int kIdsMenuEditCut = 21061;
inline constexpr int kIdsMenuEditCopy = 21062;
inline constexpr int kIdsMenuEditPaste = 21063;
inline constexpr int kIdsMenuEditCopyChart = 21064;
inline constexpr int kIdsMenuViewToolBar = 21070;
inline constexpr int kIdsMenuViewStatusBar = 21071;
inline constexpr int kIdsMenuViewReplayBar = 21072;
inline constexpr int kIdsMenuViewConvergencePanel = 21073;
inline constexpr int kIdsMenuViewChartFillsWindow = 21074;
inline constexpr int kIdsMenuViewFullScreen = 21075;
inline constexpr int kIdsMenuLanguage = 21076;
inline constexpr int kIdsMenuLanguageJapanese = 21077;
inline constexpr int kIdsMenuLanguageEnglish = 21078;
inline constexpr int kIdsMenuReplayPause = 21080;
inline constexpr int kIdsMenuReplayFirst = 21081;
inline constexpr int kIdsMenuReplayBack = 21082;
inline constexpr int kIdsMenuReplayForward = 21083;
inline constexpr int kIdsMenuReplayLast = 21084;
inline constexpr int kIdsMenuReplaySpeed1 = 21085;
inline constexpr int kIdsMenuReplaySpeed2 = 21086;
inline constexpr int kIdsMenuReplaySpeed5 = 21087;
inline constexpr int kIdsMenuReplaySpeed20 = 21088;
inline constexpr int kIdsMenuReplayNoWait = 21089;
inline constexpr int kIdsMenuRunSameSeed = 21090;
inline constexpr int kIdsMenuRunWithSeed = 21091;
inline constexpr int kIdsMenuAppAbout = 21100;

// The texts of the dialog templates and the chart: strings 21200-21249.
inline constexpr int kIdsFormGenerationsLabel = 21200;
inline constexpr int kIdsFormCrossoverRateLabel = 21201;
inline constexpr int kIdsFormMutationRateLabel = 21202;
inline constexpr int kIdsFormRun = 21203;
inline constexpr int kIdsFormPopulationSizeLabel = 21204;
inline constexpr int kIdsFormTargetCurveLabel = 21205;
inline constexpr int kIdsAboutCaption = 21210;
inline constexpr int kIdsAboutVersion = 21211;
inline constexpr int kIdsAboutDescription = 21212;
inline constexpr int kIdsAboutOk = 21213;
inline constexpr int kIdsChartGenerationCaption = 21220;
inline constexpr int kIdsChartBestPointCaption = 21221;

}  // namespace curvesmith::res

#endif  // CURVESMITH_RES_RESOURCE_IDS_H_
