# The platform-neutral core's sources, relative to the project's root: the
# files at the top of each subsystem folder (the Win32 shell's are in their
# win32/ subfolders). The core library and the fuzz tree both build these.
set(NIBBLOR_CORE_SOURCES
  document/ByteBlock.cpp
  document/FileBuffer.cpp
  document/EditHistory.cpp
  document/Search.cpp
  document/StandardFileSteps.cpp
  view/ByteTextCodec.cpp
  view/OffsetArithmetic.cpp
  view/CellRendering.cpp
  view/RowText.cpp
  view/ViewModel.cpp
  view/Scrolling.cpp
  view/Editing.cpp
  view/UndoRedo.cpp
  view/PointerInput.cpp
  view/SelectionKeys.cpp
  editor/EditorCore.cpp
  editor/Geometry.cpp
  editor/ScrollBar.cpp
  editor/Settings.cpp
  editor/ColorSettings.cpp
  editor/FontSettings.cpp
  editor/DisplayScale.cpp
  editor/FontFit.cpp
  editor/FileFlow.cpp
  editor/RecentFiles.cpp
  commands/Clipboard.cpp
  commands/Find.cpp
  commands/SearchText.cpp
  commands/InsertCount.cpp
  commands/OffsetText.cpp
  commands/CommandTable.cpp
)
