// The entry states of the main window: one state decides which input panel
// is shown, which menu items are enabled and what the tips line says.
//
// Every switch over a state names all of them, the ones it leaves alone
// included, and has no default: a state added or removed here makes the
// compiler point at each switch that must be looked at again.
#pragma once

#include <string>

namespace parvix {

// The numbers are the states' own: the tips prompts are listed by them.
enum class EntryStates : int {
  ProgramState = 1,
  ByteState = 2,
  RegisterState = 3,
  LabelState = 4,
  PairState = 5,
  WordState = 6,
  LxiPairState = 7,
  LxiLabelState = 8,
  MovDestState = 9,
  MovSourceState = 10,
  StackPairState = 11,
  RstState = 12,
  LdaxPairState = 13,
  MviRegisterState = 14,
  MviByteState = 15,
  PlaceState = 16,
  PlaceRowState = 17,
  RepositionState = 18,
  CommentState = 19,
  CommentRowState = 20,
  EditState = 21,
  FindLabelState = 22,
  ReplaceLabelState = 23,
  ReplaceLabelRowState = 24,
  EditOriginState = 25,
  EquivalentState = 26,
  EquivalentAddressState = 27,
  NewOriginState = 28,
  DataState = 29,
  LabelDeleteState = 30,
  DeleteLabelsState = 31,
  FindVariableState = 32,
  ReplaceVariableState = 33,
  ReplaceVariableRowState = 34,
  PrintCommentState = 35,
};
using enum EntryStates;

// The captions of the Tools menu's entry-mode item. The item names the mode
// it would switch to, so it shows the data-mode caption while the program is
// in program mode: the caption is the one place the entry mode is kept.
inline constexpr const char* kDataModeCaption = "Data &Mode";
inline constexpr const char* kProgramModeCaption = "Program &Mode";

constexpr bool IsIdle(EntryStates state) { return state == ProgramState || state == DataState; }

enum FileStates : int { FileNew = 1, FileOpened = 2, FileSaved = 3, FileDisassembled = 4 };

}  // namespace parvix
