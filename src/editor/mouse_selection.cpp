#include "editor/mouse_selection.h"

#include <algorithm>

#include "editor/editor_context.h"
#include "editor/editor_window.h"
#include "editor/frame_drawing.h"

namespace kadrex {

void MouseSelection::LeftButtonDown(Point at) {
  state_ = DragState::Pressed;
  dragStart_ = at;
  editor_.gui.ConfineCursor(kPreviewView);
}

void MouseSelection::MouseMove(Point at, bool leftButtonDown) {
  if (state_ == DragState::Idle || !leftButtonDown) return;
  if (state_ == DragState::Dragging) {
    ToggleSelectionRect();
  } else {
    state_ = DragState::Dragging;
  }
  dragEnd_ = at;
  ToggleSelectionRect();
  editor_.gui.CaptureMouse(kPreviewView);
}

void MouseSelection::LeftButtonUp() {
  if (state_ == DragState::Dragging) {
    ToggleSelectionRect();
    const SelectionRect& s = selection_;
    if (s.left != s.right && s.top != s.bottom) {
      RedrawFrame(editor_, s.left, s.top, s.right - s.left, s.bottom - s.top);
    }
    editor_.gui.ReleaseMouse();
  }
  editor_.gui.FreeCursor();
  state_ = DragState::Idle;
}

void MouseSelection::ToggleSelectionRect() {
  editor_.state.frameBaseSet = false;
  selection_ = {std::min(dragStart_.x, dragEnd_.x), std::min(dragStart_.y, dragEnd_.y),
                std::max(dragStart_.x, dragEnd_.x), std::max(dragStart_.y, dragEnd_.y)};
  editor_.gui.ToggleFocusRect(kPreviewView,
                              {selection_.left, selection_.top, selection_.right - selection_.left,
                               selection_.bottom - selection_.top});
}

}  // namespace kadrex
