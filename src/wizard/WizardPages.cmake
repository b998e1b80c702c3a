# The wizard's pages 1-7 and the rescue run from the window.
target_sources(quorvex_wizard PRIVATE
    BurningPage.cpp
    BurnSettingsPage.cpp
    CopyingPage.cpp
    DamagedFileLine.cpp
    DestinationPage.cpp
    DriveFolderPage.cpp
    HistoryPage.cpp
    RecoveryWiring.cpp
    ReportFigures.cpp
    ReportPage.cpp
    SameFolder.cpp
    SourcePage.cpp)
target_link_libraries(quorvex_wizard PUBLIC quorvex_selection quorvex_reports)
