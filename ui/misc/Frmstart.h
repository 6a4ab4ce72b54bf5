#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdint>
#include <functional>

namespace capillary {

// The splash screen a run starts with: a picture for four ticks of half a second, then the
// main window. Closing it early opens the main window at once.
class Frmstart : public QWidget {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kTick{500};

    // `tick` is the timer's interval; only tests, which need not wait two seconds, change it.
    explicit Frmstart(std::function<void()> openMainWindow, std::chrono::milliseconds tick = kTick,
                      QWidget* parent = nullptr);

    std::int16_t ticksLeft() const { return start_; }
    std::chrono::milliseconds tickInterval() const { return Timer1.intervalAsDuration(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Frmstart_Form_Load();
    void Frmstart_Timer1_Timer();
    void openMainWindowOnce();

    QTimer Timer1;
    std::int16_t start_ = 0;
    std::function<void()> openMainWindow_;
    bool mainWindowOpened_ = false;
};

}  // namespace capillary
