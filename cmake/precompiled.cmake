# The headers nearly every window and its tests include, compiled once per target: the
# Qt headers dominate the build's time, not our code.
set(DIREVOVU_QT_PCH_HEADERS
  <QtCore/QObject> <QtCore/QString> <QtCore/QStringList> <QtCore/QTimer> <QtCore/QPointer>
  <QtGui/QImage> <QtGui/QPainter> <QtGui/QPixmap>
  <QtWidgets/QDialog> <QtWidgets/QLabel> <QtWidgets/QPushButton> <QtWidgets/QWidget>
  <filesystem> <functional> <map> <memory> <optional> <string> <vector>)

function(direvovu_qt_pch target)
  target_precompile_headers(${target} PRIVATE ${DIREVOVU_QT_PCH_HEADERS})
endfunction()
