// The viewer's map page: Leaflet with the viewer's tile source over Natural Earth
// outlines. The viewer drives it through the functions below, always with string
// arguments; a value it cannot read as a position is ignored.
'use strict';

var PAGE_LANGUAGES = {
  'googlemap.html': 0, 'googlemap_eng.html': 1, 'googlemap_jpn.html': 2, 'googlemap_china.html': 3,
  'googlemap_russia.html': 4, 'googlemap_taiwan.html': 5, 'googlemap_portugal.html': 6
};
var PAGE_TEXTS = [
  { title: '지도', start: '출발', end: '도착', date: '날짜', time: '시간' },
  { title: 'Map', start: 'Start', end: 'End', date: 'Date', time: 'Time' },
  { title: '地図', start: '出発', end: '到着', date: '日付', time: '時刻' },
  { title: '地图', start: '起点', end: '终点', date: '日期', time: '时间' },
  { title: 'Карта', start: 'Начало', end: 'Конец', date: 'Дата', time: 'Время' },
  { title: '地圖', start: '起點', end: '終點', date: '日期', time: '時間' },
  { title: 'Mapa', start: 'Início', end: 'Fim', date: 'Data', time: 'Hora' }
];
var START_ZOOM = 15;

var pageLanguage = (function () {
  var name = location.pathname.split('/').pop();
  return Object.prototype.hasOwnProperty.call(PAGE_LANGUAGES, name) ? PAGE_LANGUAGES[name] : 1;
})();
var texts = PAGE_TEXTS[pageLanguage];

function queryNumber(key, fallback) {
  var value = Number(new URLSearchParams(location.search).get(key));
  return isFinite(value) && value !== 0 ? value : fallback;
}

function readNumber(text) {
  if (typeof text !== 'string' || text.trim() === '') return NaN;
  return Number(text);
}

function readPosition(latText, lonText) {
  var lat = readNumber(latText);
  var lon = readNumber(lonText);
  if (!isFinite(lat) || !isFinite(lon) || Math.abs(lat) > 90 || Math.abs(lon) > 180) return null;
  if (lat === 0 || lon === 0) return null;  // the camera's "no fix"
  return L.latLng(lat, lon);
}

document.title = texts.title;
document.documentElement.lang = ['ko', 'en', 'ja', 'zh-Hans', 'ru', 'zh-Hant', 'pt-BR'][pageLanguage];
var mapElement = document.getElementById('map');
mapElement.style.width = queryNumber('width', 535) + 'px';
mapElement.style.height = queryNumber('height', 520) + 'px';

L.Icon.Default.imagePath = '/leaflet/images/';
var map = L.map(mapElement, { zoomControl: true, attributionControl: true, worldCopyJump: false });
map.setView([queryNumber('lat', 37.470303), queryNumber('lon', 127.041982)], START_ZOOM);

// Outlines sit under the tiles: where a tile is missing (no network, a sparse local
// folder) they still show where the car is.
map.createPane('outlines');
map.getPane('outlines').style.zIndex = 150;
function outlineArcs(topology) {
  var t = topology.transform;
  return topology.arcs.map(function (arc) {
    var x = 0, y = 0;
    return arc.map(function (p) {
      x += p[0];
      y += p[1];
      return [y * t.scale[1] + t.translate[1], x * t.scale[0] + t.translate[0]];
    });
  });
}
var outlines = null;
if (window.direvovuOutlines && window.direvovuOutlines.arcs) {
  outlines = L.polyline(outlineArcs(window.direvovuOutlines), {
    pane: 'outlines', renderer: L.canvas({ pane: 'outlines' }), color: '#7d8c99', weight: 1,
    interactive: false, attribution: 'Outlines: Natural Earth'
  }).addTo(map);
}

var tileSettings = window.direvovuTiles || {};
var tiles = L.tileLayer(tileSettings.url || '', {
  maxZoom: tileSettings.maxZoom || 19,
  attribution: tileSettings.attribution || ''
}).addTo(map);

// Everything the viewer draws; clear_overlay empties it.
var overlay = L.layerGroup().addTo(map);
var drawn = { point: null, route: null, trip: null, start: null, end: null, moving: null, info: null };

function keepInView(latlng) {
  if (!map.getBounds().contains(latlng)) map.setView(latlng, map.getZoom(), { animate: false });
}

function pointMarker(latlng) {
  if (drawn.point === null) drawn.point = L.marker(latlng, { keyboard: false }).addTo(overlay);
  else drawn.point.setLatLng(latlng);
  keepInView(latlng);
}

function on_set_point(lon, lat) {
  var latlng = readPosition(lat, lon);
  if (latlng !== null) pointMarker(latlng);
}

function on_set_route(lon, lat) {
  var latlng = readPosition(lat, lon);
  if (latlng === null) return;
  if (drawn.route === null) drawn.route = L.polyline([], { color: '#d7191c', weight: 4 }).addTo(overlay);
  var points = drawn.route.getLatLngs();
  if (points.length === 0 || !points[points.length - 1].equals(latlng)) drawn.route.addLatLng(latlng);
  pointMarker(latlng);
}

function clear_overlay() {
  overlay.clearLayers();
  drawn = { point: null, route: null, trip: null, start: null, end: null, moving: null, info: null };
}

function show_route() {
  var points = [];
  for (var i = 0; i + 1 < arguments.length; i += 2) {
    var latlng = readPosition(arguments[i], arguments[i + 1]);
    if (latlng !== null) points.push(latlng);
  }
  if (drawn.trip !== null) overlay.removeLayer(drawn.trip);
  drawn.trip = L.polyline(points, { color: '#2b83ba', weight: 4 }).addTo(overlay);
  if (points.length > 0) map.fitBounds(drawn.trip.getBounds(), { animate: false, maxZoom: 17 });
  return points.length > 0 ? '1' : '0';
}

// The seven values: progress, longitude, latitude, date, time, time switch, marker switch
// (1 hides the moving marker).
function routePoint(values) {
  if (values.length < 7) return null;
  var latlng = readPosition(values[2], values[1]);
  if (latlng === null) return null;
  return { latlng: latlng, date: String(values[3]), time: String(values[4]),
           showTime: values[5] === '1', showMarker: values[6] !== '1' };
}

function endMarker(point, text, colour) {
  return L.circleMarker(point.latlng, { radius: 7, color: colour, fillColor: colour, fillOpacity: 0.9 })
    .bindTooltip(text, { permanent: false }).addTo(overlay);
}

function start_route() {
  var point = routePoint(arguments);
  if (point === null) return;
  if (drawn.start !== null) overlay.removeLayer(drawn.start);
  drawn.start = endMarker(point, texts.start, '#1a9641');
}

function end_route() {
  var point = routePoint(arguments);
  if (point === null) return;
  if (drawn.end !== null) overlay.removeLayer(drawn.end);
  drawn.end = endMarker(point, texts.end, '#d7191c');
}

// Date and time as text nodes: the values come from files and are never read as markup.
function infoBox(point) {
  var box = document.createElement('div');
  box.className = 'direvovu-info';
  [[texts.date, point.date], [texts.time, point.time]].forEach(function (row, i) {
    if (i > 0) box.appendChild(document.createElement('br'));
    var label = document.createElement('b');
    label.textContent = row[0] + ': ';
    box.appendChild(label);
    box.appendChild(document.createTextNode(row[1]));
  });
  return box;
}

function on_set_route2() {
  var point = routePoint(arguments);
  if (point === null) return;
  if (drawn.moving === null) drawn.moving = L.marker(point.latlng, { keyboard: false }).bindPopup('');
  drawn.moving.setLatLng(point.latlng);
  drawn.moving.setPopupContent(infoBox(point));
  drawn.info = point.showTime;
  if (point.showMarker && !overlay.hasLayer(drawn.moving)) overlay.addLayer(drawn.moving);
  if (!point.showMarker && overlay.hasLayer(drawn.moving)) overlay.removeLayer(drawn.moving);
  if (point.showMarker && point.showTime) drawn.moving.openPopup();
  else drawn.moving.closePopup();
  keepInView(point.latlng);
}

function OpenInfo() {
  if (drawn.moving === null) return;
  drawn.info = true;
  if (overlay.hasLayer(drawn.moving)) drawn.moving.openPopup();
}

function CloseInfo() {
  if (drawn.moving === null) return;
  drawn.info = false;
  drawn.moving.closePopup();
}

// --- The library window: every indexed route, the harsh moments, a chosen place. ---
// Routes and moments arrive as one text each call (see library_view.h); a click leaves a
// pick that the window collects with library_pick.
var LIBRARY_KIND_COLOURS = ['#2b83ba', '#d7191c', '#1a9641', '#fdae61'];
var LIBRARY_MOMENT_COLOURS = { braking: '#d7191c', acceleration: '#ff7f00', shock: '#7b3294' };
var library = null;

function libraryLayers() {
  if (library !== null) return library;
  library = { renderer: L.canvas({ padding: 0.2 }), routes: L.layerGroup().addTo(map),
              moments: L.layerGroup().addTo(map), place: null, bounds: null, pick: '' };
  map.on('click', function (event) {
    // Past the date line the map shows the world again, at longitudes beyond ±180.
    var at = event.latlng.wrap();
    library.pick = 'place,' + at.lat.toFixed(6) + ',' + at.lng.toFixed(6);
  });
  return library;
}

function libraryExtend(latlngs) {
  var b = L.latLngBounds(latlngs);
  library.bounds = library.bounds === null ? b : library.bounds.extend(b);
}

function library_clear() {
  var lib = libraryLayers();
  lib.routes.clearLayers();
  lib.moments.clearLayers();
  lib.bounds = null;
}

function library_routes(text) {
  var lib = libraryLayers();
  var drawn = 0;
  String(text).split('|').forEach(function (route) {
    var fields = route.split(';');
    if (fields.length < 3) return;
    var id = fields[0], colour = LIBRARY_KIND_COLOURS[Number(fields[1])] || LIBRARY_KIND_COLOURS[0];
    var latlngs = [], seconds = [];
    for (var i = 2; i < fields.length; ++i) {
      var p = fields[i].split(',');
      var latlng = readPosition(p[1], p[2]);
      if (latlng === null) continue;
      latlngs.push(latlng);
      seconds.push(Number(p[0]));
    }
    if (latlngs.length === 0) return;
    var line = L.polyline(latlngs, { color: colour, weight: 3, opacity: 0.85, renderer: lib.renderer });
    line.on('click', function (event) {
      L.DomEvent.stopPropagation(event);
      var best = 0, bestDistance = Infinity;
      latlngs.forEach(function (ll, k) {
        var d = ll.distanceTo(event.latlng);
        if (d < bestDistance) { bestDistance = d; best = k; }
      });
      lib.pick = 'route,' + id + ',' + seconds[best];
    });
    line.addTo(lib.routes);
    libraryExtend(latlngs);
    drawn += 1;
  });
  return String(drawn);
}

function library_moments(text) {
  var lib = libraryLayers();
  lib.moments.clearLayers();
  var drawn = 0;
  String(text).split('|').forEach(function (moment) {
    var f = moment.split(';');
    if (f.length < 6) return;
    var latlng = readPosition(f[3], f[4]);
    if (latlng === null) return;
    var colour = LIBRARY_MOMENT_COLOURS[f[2]] || '#000000';
    var marker = L.circleMarker(latlng, { radius: 6, color: '#ffffff', weight: 1.5, fillColor: colour,
                                          fillOpacity: 0.95, renderer: lib.renderer });
    // The label as a text node: it comes from file names and is never read as markup.
    var label = document.createElement('span');
    label.textContent = f.slice(5).join(';');
    marker.bindTooltip(label);
    marker.on('click', function (event) {
      L.DomEvent.stopPropagation(event);
      lib.pick = 'moment,' + f[0] + ',' + f[1];
    });
    marker.addTo(lib.moments);
    drawn += 1;
  });
  return String(drawn);
}

function library_place(latText, lonText, radiusText) {
  var lib = libraryLayers();
  if (lib.place !== null) map.removeLayer(lib.place);
  lib.place = null;
  var latlng = readPosition(latText, lonText);
  var radius = readNumber(radiusText);
  if (latlng === null || !(radius > 0)) return '0';
  lib.place = L.circle(latlng, { radius: radius, color: '#333333', weight: 2, dashArray: '6 4',
                                 fillOpacity: 0.08, interactive: false }).addTo(map);
  return '1';
}

function library_fit() {
  var lib = libraryLayers();
  if (lib.bounds === null) return '0';
  map.fitBounds(lib.bounds, { animate: false, maxZoom: 16, padding: [12, 12] });
  return '1';
}

function library_pick() {
  var lib = libraryLayers();
  var pick = lib.pick;
  lib.pick = '';
  return pick;
}

// What the tests read back: the routes and moments drawn.
function library_counts() {
  var lib = libraryLayers();
  return lib.routes.getLayers().length + ',' + lib.moments.getLayers().length;
}
