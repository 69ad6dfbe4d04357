// The drawing toolkit in one include: every primitive for panel artwork.
//
// Everything is anti-aliased and lit from the upper left. Angles are in
// degrees, clockwise from 12 o'clock, as a pilot reads a knob. Each primitive
// takes a style struct whose defaults are the panel's standard look; a
// module passes its own struct where a part differs. Primitives save and
// restore the cairo state, so they can be called in any order.
//
// Colours are chosen so that nothing a primitive draws on a face is pure
// black: pure black is see-through on images drawn with the transparency
// flag. Shadows cast onto pure black stay pure black, so a knob drawn on an
// empty canvas keeps a clean see-through surround.
//
//   basics.h    rectangles, alignment, the light, colour mixing
//   paint.h     building blocks: paths, gradients, the lighting shader, noise
//   faces.h     faceplates, surface finishes, screws
//   bezel.h     instrument cases, bezel rings, cover glass
//   dial.h      dial faces, graduations, range arcs, numerals
//   needle.h    needles, pointers, hubs
//   knobs.h     knobs and their index marks
//   controls.h  toggle switches, rockers, push buttons
//   lamps.h     indicator lamps, annunciator tiles
//   windows.h   display windows, liquid-crystal fields, number drums
//   labels.h    engraved legends, arrows, scale marks, placards
#pragma once

#include "art/basics.h"
#include "art/bezel.h"
#include "art/canvas.h"
#include "art/controls.h"
#include "art/dial.h"
#include "art/faces.h"
#include "art/knobs.h"
#include "art/labels.h"
#include "art/lamps.h"
#include "art/needle.h"
#include "art/paint.h"
#include "art/windows.h"
