# The wizard's pages 1-7 and the rescue run from the window.
target_sources(quorvex_wizard PRIVATE
    BurningPage.cpp
    BurnStatusText.cpp
    BurnRelay.cpp
    BurnWiring.cpp
    BurnSettingsPage.cpp
    CopyingPage.cpp
    DamagedFileLine.cpp
    DamageMap.cpp
    DefaultImageName.cpp
    DestinationPage.cpp
    DriveFolderPage.cpp
    EraseMediaForm.cpp
    HistoryKeeper.cpp
    HistoryPage.cpp
    HistoryRun.cpp
    LostPartsRetry.cpp
    QtSaveFileNames.cpp
    RecoveryWiring.cpp
    ReportFigures.cpp
    ReportExport.cpp
    ReportPage.cpp
    ReportReference.cpp
    ReportViewer.cpp
    SameFolder.cpp
    SourcePage.cpp)
find_package(Qt6 REQUIRED COMPONENTS Concurrent)
target_link_libraries(quorvex_wizard PUBLIC quorvex_selection quorvex_reports quorvex_burn
    PRIVATE Qt6::Concurrent)
