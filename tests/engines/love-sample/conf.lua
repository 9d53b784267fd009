-- A window only for the graphics context; no sound.
function love.conf(t)
  t.identity = "vantor-sample-check"
  t.modules.audio = false
  t.modules.sound = false
  t.modules.joystick = false
  t.window.width = 64
  t.window.height = 64
end
