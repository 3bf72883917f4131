#pragma once
// The sliding animation of a vertical line or page scroll: the rows between the old and the new
// position are rendered once; each frame (every kSlideFrameMs) copies them offset by the remaining distance.
namespace Velkora {

inline constexpr unsigned kSlideFrameMs = 20;

class CSlide {
  public:
    // A slide over `rows` whole rows (either direction). Answers false when there is nothing to slide.
    bool Start(int rows, int rowHeight);
    // The next frame: answers false when the slide has ended (then the list repaints normally).
    bool Advance();
    bool Running() const { return running; }
    void Stop() { running = false; }

    // Pixels still to go; the first frame shows the old position (the whole distance).
    int Remaining() const { return remaining; }
    int Distance() const { return distance; }
    int MainSteps() const { return steps; }
    int Step() const { return step; }

  private:
    bool running = false;
    int distance = 0;
    int remaining = 0;
    int steps = 0; // n: 4 to 8
    int step = 0;
};

} // namespace Velkora
