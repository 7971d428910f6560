// The instruction executor: runs one 8085 instruction on a Machine, the way a
// click on the watch window's Execute button does. The instruction comes in
// as shown in the window's instruction row (opcode, operand bytes, length);
// each group has its own small function, and every group that does not
// transfer control ends in the common flag tail: the flags picked by
// FlagUpdateMask are written from Result and CarryWord, and the program
// counter advances by the instruction's length, wrapping at FFFF.
//
// NOTE: the flags follow this system's rules, not a data sheet's: the logical
// group clears Aux. Carry, compares and subtractions set Aux. Carry as a
// borrow out of the low nibble, INR/DCR set it on a carry/borrow out of the
// low nibble, and rotates, DAD, CMA, STC and CMC write Carry only (or nothing).
#pragma once

#include <array>
#include <cstdint>

#include "simulator/machine.h"

namespace parvix {

// An instruction as decoded for display: its bytes and length (1, 2 or 3).
// byte2 and byte3 are 0 when the instruction has no such byte.
struct Instruction {
  std::uint8_t opcode = 0;
  std::uint8_t byte2 = 0;
  std::uint8_t byte3 = 0;
  int length = 1;

  // The 16-bit operand: byte3 is the high byte.
  std::uint16_t word() const { return Machine::word(byte3, byte2); }
};

// Decodes the instruction at `address`; operand bytes past FFFF come from 0000 on.
Instruction FetchInstruction(const Machine& machine, std::uint16_t address);

// How a click ended.
enum class StepEnd {
  Tail,      // flags written, program counter advanced by the length
  Transfer,  // jump, call, return, restart: the program counter was set
  Halt,      // HLT: nothing changed
};

// Runs `instruction`, which is shown at machine.pc. After Tail and Transfer
// machine.pc holds the address of the next instruction; Halt changes nothing.
StepEnd ExecuteInstruction(Machine& machine, const Instruction& instruction);

// Headless stepping: fetches the instruction at machine.pc and runs it.
inline StepEnd Step(Machine& machine) {
  return ExecuteInstruction(machine, FetchInstruction(machine, machine.pc));
}

// True when the byte has an even number of one bits (00 included).
bool EvenParity(std::uint8_t value);

}  // namespace parvix
