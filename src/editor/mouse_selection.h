#pragma once

#include "platform/gui.h"

namespace kadrex {

struct EditorContext;

// Drawing the crop frame with the mouse on the preview: press, drag, release. While the
// button is held a focus rectangle follows the mouse and the cursor stays in the view;
// on release the rectangle between the two points becomes the frame.
class MouseSelection final : public PreviewMouse {
 public:
  enum class DragState { Idle = 0, Pressed = 1, Dragging = 2 };

  struct SelectionRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
  };

  explicit MouseSelection(EditorContext& editor) : editor_(editor) {}

  void LeftButtonDown(Point at) override;
  void MouseMove(Point at, bool leftButtonDown) override;
  void LeftButtonUp() override;

  DragState State() const { return state_; }
  const SelectionRect& Selection() const { return selection_; }

 private:
  void ToggleSelectionRect();

  EditorContext& editor_;
  DragState state_ = DragState::Idle;
  Point dragStart_;
  Point dragEnd_;
  SelectionRect selection_;
};

}  // namespace kadrex
