#pragma once
// The maze editor: a click on a cell turns an empty cell into a wall and anything else into
// an empty cell; the maze can be filled at random, saved to a maze file and loaded from one.
#include "platform/Forms.h"

class TMazeData;
class TMazeNode;

class TMazeInputDlg : public TForm {
 public:
  explicit TMazeInputDlg(QWidget* parent = nullptr);

  // The file dialogs' filter and default extension of the maze files.
  static const QString FileFilter;
  static const QString FileExt;

  TMazeData* MazeData;
  TButton* OKBtn;
  TButton* CancelBtn;
  TButton* RandBtn;
  TButton* SaveBtn;
  TButton* LoadBtn;

  void MazeDataNodeClick(TMazeNode& node);
  void RandBtnClick();
  void SaveBtnClick();
  void LoadBtnClick();
};
