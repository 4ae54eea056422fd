#pragma once
// The options dialog: one track bar sets the run speed and the animation speed, two switches
// turn the background music and the sound flag on and off. Nothing is kept between runs of
// the program.
#include <QDialog>

class QLabel;
class QSlider;
class QToolButton;
class TBackdropImage;

// What the dialog reads and changes in the demonstration window.
class IOptionsOwner {
 public:
  virtual ~IOptionsOwner() = default;
  virtual bool MusicOn() const = 0;
  virtual bool SoundOn() const = 0;
  // Starts or stops the looping music (called only when the choice changed).
  virtual void SetMusic(bool on) = 0;
  virtual void SetSoundOn(bool on) = 0;
  // The dialog shown over the window (closed when the application is deactivated); nullptr.
  virtual void SetActivePopup(QDialog* popup) = 0;
};

// A small square that shows a switch: red when on, gray when off; a click toggles it.
class TSwitchShape : public QWidget {
  Q_OBJECT
 public:
  explicit TSwitchShape(QWidget* parent);
  void SetOn(bool on);
  bool On() const { return on_; }

 signals:
  void pressed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  bool on_ = false;
};

class TOptionsForm : public QDialog {
  Q_OBJECT
 public:
  explicit TOptionsForm(IOptionsOwner& owner, QWidget* parent = nullptr);

  bool Music() const { return music_; }
  bool Sound() const { return sound_; }
  void SetMusic(bool on);
  void SetSound(bool on);

  void OkBtnClick();
  void CancelBtnClick();

  QSlider* SpeedTrackBar;
  TSwitchShape* MusicShape;
  TSwitchShape* SoundShape;
  QToolButton* MusicBtn;
  QToolButton* SoundBtn;
  QToolButton* OkBtn;
  QToolButton* CancelBtn;

 protected:
  void showEvent(QShowEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void paintEvent(QPaintEvent*) override;

 private:
  void Close(int result);

  IOptionsOwner& owner_;
  TBackdropImage* bkImage_;
  bool music_ = false;
  bool sound_ = false;
};
