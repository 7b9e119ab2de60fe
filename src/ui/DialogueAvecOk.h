#pragma once

class QDialog;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The layout of the small information windows: their group filling the window and the Ok
// button centred below it, default, closing the window.
QVBoxLayout* disposeAvecOk(QDialog& dialogue, QWidget* groupe, QPushButton* ok);
